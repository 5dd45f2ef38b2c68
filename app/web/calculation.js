// The core in WebAssembly (calculation_binding.cpp): what a press of 计算
// shows, decided by the same PresentCalculation as on the desktop.

import createCore from "./vondrel-core.js";

// The parts of what is shown, in the binding's order.
const kMessage = 0, kResultText = 1, kAnnouncement = 2, kErrorReport = 3;

// A run-time error of the calculation, such as a zero load, with the report
// that the user is shown.
export class RuntimeError extends Error {
    constructor(report) {
        super(report);
        this.report = report;
    }
}

// Loaded once, at the first import; a press before it is ready waits for it.
const core = createCore();

// Copies the text into the core's memory as UTF-16 and gives its address and
// length, for a call to free.
function copyIn(module, text) {
    const bytes = 2 * (text.length + 1);
    const address = module._malloc(bytes);
    module.stringToUTF16(text, address, bytes);
    return [address, text.length];
}

// Resolves to { message, resultText, announcement } as the window is to
// show them, or rejects with a RuntimeError.
export async function presentCalculation(loadText, periodText, unitName) {
    const module = await core;
    const texts = [loadText, periodText, unitName].map((text) => copyIn(module, text));
    let presented;
    try {
        presented = module._vondrel_present(...texts.flat());
    } finally {
        for (const [address] of texts) module._free(address);
    }
    const part = (index) =>
        module.UTF16ToString(module._vondrel_shown_part(index), 2 * module._vondrel_shown_length(index));
    if (!presented) throw new RuntimeError(part(kErrorReport));
    return { message: part(kMessage), resultText: part(kResultText), announcement: part(kAnnouncement) };
}
