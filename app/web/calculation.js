// The core in WebAssembly (calculation_binding.cpp): what a press of 计算
// shows, decided by the same PresentCalculation as on the desktop.

import { RuntimeError } from "./host.js";
import createCore from "./vondrel-core.js";

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

// What the core showed last, each part by the name that the binding gives it.
function shownParts(module) {
    const parts = {};
    for (let index = 0, name; (name = module._vondrel_part_name(index)); ++index) {
        const text = module.UTF16ToString(module._vondrel_shown_part(index), 2 * module._vondrel_shown_length(index));
        parts[module.UTF16ToString(name)] = text;
    }
    return parts;
}

// Resolves to the parts that the window is to show (message, resultText,
// announcement), or rejects with a RuntimeError.
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
    const shown = shownParts(module);
    if (!presented) throw new RuntimeError(shown.errorReport);
    return shown;
}
