// Form2, the principle window, as the page shows it: a modal <dialog> made
// from form2.ui, in index.html.

import { connectClick, connectCloseBox, showModal } from "./host.js";

const form2 = document.getElementById("Form2");

// Exit
function Command1_Click() {
    form2.close();
}

connectClick(document.getElementById("Form2-Command1"), Command1_Click);
connectCloseBox(form2, () => form2.close());

// Opens the window modally over the calculator, afresh and centred, and
// resolves once it is closed.
export function showForm2() {
    return showModal(form2);
}
