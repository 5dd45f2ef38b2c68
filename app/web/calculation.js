// The core in WebAssembly (calculation_binding.cpp): what a press of 计算
// shows, decided by the same PresentCalculation as on the desktop.

import { RuntimeError } from "./host.js";
import createCore from "./vondrel-core.js";

// The parts of what is shown, in the binding's order.
const kMessage = 0, kResultText = 1, kAnnouncement = 2, kErrorReport = 3;

// What a press of 计算 reports where the core could not be loaded, as with
// no network on a first visit.
const kCoreUnavailable = "无法加载计算程序，请检查网络连接后重新打开本页。";

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
    const module = await core.catch(() => {
        throw new RuntimeError(kCoreUnavailable);
    });
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
