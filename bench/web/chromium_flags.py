"""How the bench starts Debian's Chromium, for its own timings and for
Lighthouse's: headless, with its own network services off, which this
machine's network refuses."""

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]
