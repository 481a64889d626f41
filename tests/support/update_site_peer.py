#!/usr/bin/env python3
"""Serves a folder of update sites on loopback for the Wine tests of the auto-update.

    update_site_peer.py --root DIR --port-file FILE

GET /<path> answers DIR/<path> (percent-decoded: a site name holding "\\" is found as it is), or
404. Paths under /silent/ and files whose name begins with "silent-" are never answered; under /slow/ the rest of the path
comes in ten pieces 150 ms apart. /requests lists the other paths asked since /reset.
"""
import argparse
import os
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote

recorded = []


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    root = "."

    def log_message(self, *args):
        pass

    def do_GET(self):
        body, status, slow = "".join(p + "\n" for p in recorded).encode("latin-1"), 200, False
        if self.path == "/reset":
            recorded.clear()
        elif self.path != "/requests":
            recorded.append(self.path)
            if self.path.startswith("/silent/") or self.path.rsplit("/", 1)[-1].startswith("silent-"):
                time.sleep(600)
                return
            slow = self.path.startswith("/slow/")
            root = os.path.realpath(self.root)
            target = os.path.realpath(os.path.join(root, unquote(self.path[5 if slow else 0:], encoding="latin-1").lstrip("/")))
            if target.startswith(root + os.sep) and os.path.isfile(target):
                with open(target, "rb") as f:
                    body = f.read()
            else:
                body, status = b"404 Not Found", 404
        self.send_response(status)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        piece = (len(body) + 9) // 10 if slow else len(body)
        try:
            for at in range(0, len(body), max(piece, 1)):
                self.wfile.write(body[at:at + piece])
                self.wfile.flush()
                if slow:
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
