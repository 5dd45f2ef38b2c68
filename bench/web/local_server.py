"""A folder served over HTTP on 127.0.0.1, as web servers serve a page:
connections kept open, each response sent as soon as it is written rather
than held back for the last one's acknowledgement (TCP_NODELAY), and, if
asked, text and WebAssembly gzip-compressed."""

import gzip
import http.server
import threading
from pathlib import Path

# What web servers compress; fonts and pictures are compressed already.
COMPRESSED = (".html", ".js", ".css", ".webmanifest", ".txt", ".wasm")


def serve(root, compress=False):
    """Serves the folder from a thread; gives its address."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        protocol_version = "HTTP/1.1"
        disable_nagle_algorithm = True

        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=root, **kwargs)

        def send_head(self):
            path = Path(self.translate_path(self.path))
            path = path / "index.html" if path.is_dir() else path
            accepted = "gzip" in self.headers.get("Accept-Encoding", "")
            if not (compress and accepted and path.is_file() and path.suffix in COMPRESSED):
                return super().send_head()
            body = gzip.compress(path.read_bytes(), 9)
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(str(path)))
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    # A navigation away drops the connections that the last page kept open.
    server.handle_error = lambda request, address: None
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_port}/"
