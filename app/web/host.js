// The window side of the host services, over the browser: message boxes,
// dispatching Click handlers and reporting their run-time errors, modal
// windows, ending the program, what screen readers hear, and fitting the
// windows to a narrow screen.

// A run-time error of a handler, such as the calculation's with a zero
// load, with the report that the user is shown.
export class RuntimeError extends Error {
    constructor(report) {
        super(report);
        this.report = report;
    }
}

const messageBox = document.getElementById("MessageBox");
const announcement = document.getElementById("Announcement");

// Each Click handler of a window runs to its end before the next one of
// that window starts, as on the desktop's one user-interface thread, even
// where one waits for the core to load. A window that a handler shows
// modally has handlers of its own, which run meanwhile.
const lastHandler = new WeakMap();

async function dispatch(handler) {
    try {
        await handler();
    } catch (error) {
        if (error instanceof RuntimeError) await reportRuntimeError(error);
        // Any other error is the page's fault: the browser reports it, and
        // the window's later handlers still run.
        else queueMicrotask(() => {
            throw error;
        });
    }
}

export function connectClick(button, handler) {
    const owner = button.closest(".window");
    button.addEventListener("click", () => {
        const previous = lastHandler.get(owner) ?? Promise.resolve();
        lastHandler.set(owner, previous.then(() => dispatch(handler)));
    });
}

// Shows the window modally, everything behind it inert, and resolves once
// it is closed, by its own button or by its close box.
export function showModal(dialog) {
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener("close", resolve, { once: true }));
}

function showBox(prompt, isError) {
    messageBox.querySelector(".error-icon").hidden = !isError;
    messageBox.querySelector("#MessageBox-prompt").textContent = prompt;
    return showModal(messageBox);
}

// A box with the prompt and 确定, captioned with the project title.
export function showMessage(prompt) {
    return showBox(prompt, false);
}

// The report of a run-time error; the program then goes on.
export function reportRuntimeError(error) {
    return showBox(error.report, true);
}

// Replaces the box's text and shows it from its first character.
export function replaceText(box, text) {
    box.value = text;
    box.scrollLeft = 0;
}

// Speaks the text wherever the focus is, also when it repeats the last one.
export function announce(text) {
    announcement.textContent = "";
    setTimeout(() => {
        announcement.textContent = text;
    }, 50);
}

// The program ends: where the browser lets the page close its window, as an
// installed app's, the window closes; elsewhere nothing of the program stays
// on the page, and reloading it starts the program again.
export function endProgram() {
    document.title = "";
    document.body.replaceChildren();
    window.close();
}

// A window's close box does what the window's closing does.
export function connectCloseBox(windowElement, close) {
    const closeBox = windowElement.querySelector(".close-box");
    // As a title bar's close box, it takes no focus from the window.
    closeBox.addEventListener("mousedown", (event) => event.preventDefault());
    closeBox.addEventListener("click", close);
}

// Shrinks every window alike where the screen is narrower than the main
// window, keeping the design's proportions: the whole window stays in
// sight with no sideways scrolling. Measured once laid out, so that the
// start lays the page out once.
export function fitWindowsToScreen(mainWindow) {
    const margin = 8;
    const screen = document.documentElement;
    new ResizeObserver(() => {
        const scale = Math.min(
            1,
            (screen.clientWidth - margin) / mainWindow.offsetWidth,
            (screen.clientHeight - margin) / mainWindow.offsetHeight,
        );
        screen.style.setProperty("--scale", String(scale));
    }).observe(screen);
}

// The message box's button and its close box close it; Escape does too.
document.querySelector("#MessageBox .button").addEventListener("click", () => messageBox.close());
connectCloseBox(messageBox, () => messageBox.close());
