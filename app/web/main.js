// The page's entry: the calculator window shown, its focus on Command1 (by
// the design's first tab stop), the windows fitted to the screen, and the
// files kept for starting with no network.

import { startForm1 } from "./form1.js";
import { fitWindowsToScreen } from "./host.js";

startForm1();
fitWindowsToScreen(document.getElementById("Form1"));
// Once the page is up, so that keeping the files does not slow its start.
addEventListener("load", () => navigator.serviceWorker?.register("service-worker.js"));
