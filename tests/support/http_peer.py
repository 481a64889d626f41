#!/usr/bin/env python3
"""A small HTTP server on loopback for the Wine tests of the web fetching and the translator.

    http_peer.py --port-file FILE

It listens on 127.0.0.1 on a free port, writes the port number to FILE and serves until it is
ended. Every request except the control paths below is recorded (method, path, headers and the
exact body bytes).

Control paths:
    /last     the last recorded request: "method M", "path P", one "header Name: value" line
              per header, "body-length N", an empty line, then the body bytes as received
    /count    how many requests were recorded
    /reset    forgets the recorded requests

Pages, by path (an optional mode segment comes first):
    /search           the query as a search engine reads it: one line "name=value" a field,
                      form-decoded, as UTF-8 (text/plain)
    /translate_t      a result page shaped like Google's (form fields langpair, text)
    /babelfish/tr/    like Babel Fish's (lp, urltext)
    /voila            like Voila's (systran_lp, systran_text)
    /                 like FreeTranslation's (Language, SrcText)
    anything else     a plain page naming the path
A service that gets an empty language code answers a page without its result, as the real
ones did for a pair they lacked. The "translation" is the source text (form-decoded) behind a
tag naming the service and the pair, HTML-escaped in the page.

Modes:
    /status/NNN/...   status NNN with an error page that holds no result
    /silent/...       reads the request and never answers
    /nul/...          the page with NUL bytes before and after the result
    /split/...        the page in two writes 300 ms apart, cut inside the first marker
    /big/...          10 MB of filler before the page
    /slow/...         a 48 KB page (12 pieces of 4096 bytes) over about 1.5 s
    /trickle/...      announces 100 KB, then sends one byte every 250 ms for 15 s and hangs up
    /delay/MS/...     the plain page after MS milliseconds
    /page/NAME        a watched page: the bytes last set for NAME (a plain page before)
    /setpage/NAME?T   sets NAME's bytes to T (percent-decoded, NUL bytes allowed); not recorded
"""

import argparse
import html
import os
import socket
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote_to_bytes

CONTROL_PATHS = ("/last", "/count", "/reset")
MODES = ("status", "silent", "nul", "split", "big", "slow", "trickle", "delay", "page")
BIG_FILLER_BYTES = 10 * 1024 * 1024

records = []
records_lock = threading.Lock()
watched_pages = {}


def form_fields(body):
    """The fields of a form body, split at '&' and the first '=', values decoded."""
    fields = {}
    for part in body.split(b"&"):
        name, _, value = part.partition(b"=")
        fields[name.decode("latin-1")] = unquote_to_bytes(value).decode("cp1252", "replace")
    return fields


def translated(tag, pair, text):
    return html.escape("%s[%s] %s" % (tag, pair, text), quote=True)


# Each service: (form field of the pair, form field of the text, tag, page builder).
def google_page(result):
    return ("<html><head><title>Google Translate</title>\n"
            "<script>function go(){document.forms[0].submit();}</script></head>\n"
            "<body><form action=/translate_t method=post>\n"
            "<textarea name=text rows=5 cols=45>source</textarea>\n"
            "<p>Translation:</p>\n"
            "<textarea name=q rows=5 cols=45 wrap=PHYSICAL>%s</textarea>\n"
            "<input type=submit value=Translate></form></body></html>\n" % result)


def babelfish_page(result):
    return ("<html><head><title>AltaVista - Babel Fish Translation</title></head>\n"
            "<body><form action=\"http://www.altavista.com/web/results\" method=get>\n"
            "<div>In English:</div>\n"
            "<input type=hidden name=\"q\" value=\"%s\">\n"
            "<input type=submit value=\"Search the web\"></form></body></html>\n" % result)


def freetranslation_page(result):
    return ("<html><head><title>FreeTranslation.com</title></head>\n"
            "<body><form name=\"frm\" method=post action=\"/\">\n"
            "<textarea name=\"srctext\" cols=40 rows=6>source</textarea>\n"
            "<TEXTAREA NAME=\"dsttext\" cols=40 rows=6 wrap=virtual>%s</TEXTAREA>\n"
            "</form></body></html>\n" % result)


def voila_page(result):
    return ("<html><head><title>Voila Traduction</title></head>\n"
            "<body><table><tr><td><b>Voici le r\u00e9sultat de la traduction :</b></td></tr>\n"
            "<tr><td valign=top>%s</td></tr></table></body></html>\n" % result)


SERVICES = {
    "/translate_t": ("langpair", "text", "google", google_page),
    "/babelfish/tr/": ("lp", "urltext", "babelfish", babelfish_page),
    "/voila": ("systran_lp", "systran_text", "voila", voila_page),
    "/": ("Language", "SrcText", "freetranslation", freetranslation_page),
}

# Where the split mode cuts each page: inside its first marker.
FIRST_MARKERS = {
    "/translate_t": b"<textarea name=q",
    "/babelfish/tr/": b"name=\"q\"",
    "/voila": b"<b>Voici le r",
    "/": b"<TEXTAREA NAME=\"dsttext\"",
}


def service_page(path, body):
    """The page for a service path, or None when the path names no service."""
    service = SERVICES.get(path)
    if service is None:
        return None
    pair_field, text_field, tag, build = service
    fields = form_fields(body)
    pair = fields.get(pair_field, "")
    if not pair:
        return ("<html><body><p>This language pair is not available.</p>"
                "</body></html>\n").encode("cp1252")
    result = translated(tag, pair, fields.get(text_field, ""))
    return build(result).encode("cp1252", "replace")


def search_page(query):
    """What an engine gets out of a query string: each field decoded as a form value."""
    lines = []
    for part in query.split("&") if query else []:
        name, _, value = part.partition("=")
        decode = lambda t: unquote_to_bytes(t.replace("+", " "))
        lines.append(decode(name) + b"=" + decode(value) + b"\n")
    return b"".join(lines)


def plain_page(path):
    return ("<html><head><title>Peer</title></head><body><p>Page %s from the peer.</p>"
            "</body></html>\n" % html.escape(path)).encode("cp1252", "replace")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    server_version = "QvPeer/1.0"

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.handle_any()

    def do_POST(self):
        self.handle_any()

    def read_body(self):
        length = int(self.headers.get("Content-Length", "0") or "0")
        return self.rfile.read(length) if length > 0 else b""

    def send_page(self, status, body, content_type="text/html"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def handle_any(self):
        body = self.read_body()
        path = self.path.split("?", 1)[0]
        if path in CONTROL_PATHS:
            self.control(path)
            return
        if path.startswith("/setpage/"):
            with records_lock:
                watched_pages[path[len("/setpage/"):]] = unquote_to_bytes(self.path.partition("?")[2])
            self.send_page(200, b"ok", "text/plain")
            return
        with records_lock:
            records.append((self.command, self.path, list(self.headers.items()), body))

        mode, rest = None, path
        segments = path.split("/", 2)
        # "/page" alone is a plain page; "/page/NAME" is a watched one.
        if len(segments) > 1 and segments[1] in MODES and (segments[1] != "page" or len(segments) > 2):
            mode = segments[1]
            rest = "/" + (segments[2] if len(segments) > 2 else "")
        status = 200
        if mode == "status":
            code, _, rest = rest[1:].partition("/")
            status = int(code)
            rest = "/" + rest
        if mode == "silent":
            self.wait_for_hang_up()
            return
        if mode == "delay":
            milliseconds, _, rest = rest[1:].partition("/")
            time.sleep(int(milliseconds) / 1000.0)
            rest = "/" + rest
        if mode == "page":
            with records_lock:
                page = watched_pages.get(rest[1:])
            self.send_page(200, page if page is not None else plain_page(rest))
            return

        if rest == "/search":
            self.send_page(status, search_page(self.path.partition("?")[2]), "text/plain; charset=utf-8")
            return
        page = service_page(rest, body)
        if page is None:
            page = plain_page(rest)
        if mode == "status":
            page = ("<html><head><title>%d Error</title></head><body><h1>Error %d</h1>"
                    "</body></html>\n" % (status, status)).encode("ascii")
        elif mode == "nul":
            page = b"<html>\0\0<p>bin\0ary</p>" + page + b"\0tail\0"
        if mode == "split":
            self.send_split(page, FIRST_MARKERS.get(rest, b"<"))
        elif mode == "big":
            self.send_big(page)
        elif mode == "slow":
            self.send_slow()
        elif mode == "trickle":
            self.send_trickle()
        else:
            self.send_page(status, page)

    def control(self, path):
        with records_lock:
            if path == "/reset":
                records.clear()
                reply = b"ok"
            elif path == "/count":
                reply = str(len(records)).encode("ascii")
            else:
                reply = b""
                if records:
                    method, full_path, headers, body = records[-1]
                    lines = ["method " + method, "path " + full_path]
                    lines += ["header %s: %s" % (k, v) for k, v in headers]
                    lines.append("body-length %d" % len(body))
                    reply = ("\n".join(lines) + "\n\n").encode("latin-1") + body
        self.send_page(200, reply, "application/octet-stream")

    def wait_for_hang_up(self):
        # Accepts and never answers: waits until the client gives up (or two minutes pass).
        self.connection.settimeout(1.0)
        deadline = time.time() + 120
        while time.time() < deadline:
            try:
                if not self.connection.recv(4096):
                    return
            except socket.timeout:
                continue
            except OSError:
                return

    def start(self, length):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(length))
        self.end_headers()
        self.wfile.flush()

    def send_split(self, page, marker):
        at = page.find(marker)
        cut = at + len(marker) // 2 if at >= 0 else len(page) // 2
        self.start(len(page))
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.wfile.write(page[:cut])
        self.wfile.flush()
        time.sleep(0.3)
        self.wfile.write(page[cut:])
        self.wfile.flush()

    def send_big(self, page):
        line = b"<p>filler filler filler filler filler filler filler filler &amp; more</p>\n"
        block = line * (65536 // len(line))
        blocks, rest = divmod(BIG_FILLER_BYTES, len(block))
        self.start(blocks * len(block) + rest + len(page))
        for _ in range(blocks):
            self.wfile.write(block)
        self.wfile.write(block[:rest])
        self.wfile.write(page)
        self.wfile.flush()

    def send_slow(self):
        piece = b"<p>" + b"s" * 4088 + b"</p>\n"
        pieces = 12
        self.start(len(piece) * pieces)
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        for _ in range(pieces):
            self.wfile.write(piece)
            self.wfile.flush()
            time.sleep(0.125)


    def send_trickle(self):
        # Never slow enough for a receive time-out, never done: only a deadline ends the read.
        self.start(100 * 1024)
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        deadline = time.time() + 15
        try:
            while time.time() < deadline:
                self.wfile.write(b"t")
                self.wfile.flush()
                time.sleep(0.25)
        except OSError:
            pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port-file", required=True)
    args = parser.parse_args()
    # A listen queue of 5 (the default) drops connections when a dozen clients connect at once.
    ThreadingHTTPServer.request_queue_size = 128
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(temporary, args.port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
