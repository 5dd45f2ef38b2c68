// Form1, the calculator window, as the page shows it: its controls are in
// index.html, made from form1.ui; here are its Click handlers.

import { presentCalculation } from "./calculation.js";
import { showForm2 } from "./form2.js";
import { announce, connectClick, connectCloseBox, endProgram, replaceText, showMessage } from "./host.js";

const control = (name) => document.getElementById(`Form1-${name}`);

// Calculate
async function Command1_Click() {
    // The result's unit is spoken as the window names it to screen readers.
    const unitName = control("Label9").querySelector(".spoken").textContent;
    const shown = await presentCalculation(control("Text1").value, control("Text2").value, unitName);
    if (shown.message) {
        await showMessage(shown.message);
        return;
    }
    replaceText(control("Text3"), shown.resultText);
    // The result shows away from the focus: a screen reader is told it.
    announce(shown.announcement);
}

// Principle
function Command2_Click() {
    return showForm2();
}

// Exit
function Command3_Click() {
    endProgram();
}

export function startForm1() {
    connectClick(control("Command1"), Command1_Click);
    connectClick(control("Command2"), Command2_Click);
    connectClick(control("Command3"), Command3_Click);
    // Closing the main window ends the program.
    connectCloseBox(document.getElementById("Form1"), endProgram);
}
