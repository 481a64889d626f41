#!/usr/bin/env python3
"""Serves a folder of update sites on loopback for the Wine tests of the auto-update.

    update_site_peer.py --root DIR --port-file FILE

Listens on 127.0.0.1 on a free port, writes the port to FILE and serves until it is ended.
GET /<path> answers the file DIR/<path> (the path percent-decoded, so a site name holding "\\"
is found as it is), or 404 when there is none or the path leaves DIR. Paths under /silent/ are
read and never answered, and so are files whose name begins with "silent-"; under /slow/ the file of the rest of the path comes in ten pieces
150 ms apart. Every GET except the control paths is recorded:

    /requests   the recorded paths as received (still encoded), one a line
    /reset      forgets them
"""

import argparse
import os
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote

recorded = []
lock = threading.Lock()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    server_version = "QvUpdateSite/1.0"
    root = "."

    def log_message(self, *args):
        pass

    def answer(self, status, body, kind="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path == "/requests":
            with lock:
                text = "".join(p + "\n" for p in recorded)
            self.answer(200, text.encode("latin-1"), "text/plain")
            return
        if self.path == "/reset":
            with lock:
                recorded.clear()
            self.answer(200, b"ok", "text/plain")
            return
        with lock:
            recorded.append(self.path)
        if self.path.startswith("/silent/") or self.path.rsplit("/", 1)[-1].startswith("silent-"):
            time.sleep(600)
            return
        path = self.path.split("?", 1)[0]
        slow = path.startswith("/slow/")
        if slow:
            path = path[len("/slow"):]
        relative = unquote(path, encoding="latin-1").lstrip("/")
        root = os.path.realpath(self.root)
        target = os.path.realpath(os.path.join(root, relative))
        if not target.startswith(root + os.sep) or not os.path.isfile(target):
            self.answer(404, b"<html><body>404 Not Found</body></html>", "text/html")
            return
        with open(target, "rb") as f:
            body = f.read()
        if not slow:
            self.answer(200, body)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        piece = max(1, (len(body) + 9) // 10)
        try:
            for at in range(0, len(body), piece):
                self.wfile.write(body[at:at + piece])
                self.wfile.flush()
                time.sleep(0.15)
        except (BrokenPipeError, ConnectionResetError):
            pass   # the client broke off, as a cancelled download does


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    args = parser.parse_args()
    Handler.root = args.root
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    with open(args.port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.rename(args.port_file + ".tmp", args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
