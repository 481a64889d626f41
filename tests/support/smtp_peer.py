#!/usr/bin/env python3
"""smtp_peer.py COMMAND [ARGS...]: runs COMMAND beside SMTP servers on loopback.

"smtp" is a real server (aiosmtpd, multi-line EHLO reply) that refuses recipients starting
with "refuse" and keeps each message it accepts in a folder: N.eml as received (dots unstuffed),
then N.env ("from A", one "to A" per accepted recipient). "rcpt550" and "data552" are the
same server refusing every recipient or every message; the others play a broken server.
COMMAND finds "name:port" pairs in QV_SMTP_PORTS (separated by blanks) and the folder, as a
Wine path (Z:\\...), in QV_SMTP_SPOOL; Wine hands both on to Windows programs.
"""

import asyncio
import os
import sys
import tempfile

from aiosmtpd.smtp import SMTP


class Handler:
    def __init__(self, folder, refusal=None):
        self.folder, self.refusal = folder, refusal

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refusal == "rcpt550" or address.lower().startswith("refuse"):
            return "550 5.1.1 No such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.refusal == "data552":
            return "552 5.3.4 Message too big"
        base = os.path.join(self.folder, str(len(os.listdir(self.folder)) // 2 + 1))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".tmp", "w") as f:
            f.write("".join(["from %s\n" % envelope.mail_from] + ["to %s\n" % r for r in envelope.rcpt_tos]))
        os.rename(base + ".tmp", base + ".env")
        return "250 2.0.0 Message accepted"


async def broken(fault, reader, writer):
    """silent: never says a word; greet421: 421 and closes; longline: a greeting line of
    16 KB; middata: agrees to everything up to DATA, then reads and never answers again."""
    greetings = {"greet421": b"421 Service not available\r\n", "longline": b"220 " + b"x" * 16384 + b"\r\n",
                 "middata": b"220 peer ready\r\n"}
    try:
        writer.write(greetings.get(fault, b""))
        if fault == "middata":
            while (line := await reader.readline()) and not line.upper().startswith(b"DATA"):
                writer.write(b"250 OK\r\n")
            writer.write(b"354 Go ahead\r\n")
        if fault != "greet421":
            await reader.read()
    except ConnectionError:
        pass
    writer.close()


async def main():
    with tempfile.TemporaryDirectory(prefix="qvsmtp.") as spool:
        loop = asyncio.get_running_loop()
        servers = {}
        for name in ("smtp", "rcpt550", "data552"):
            servers[name] = await loop.create_server(
                lambda n=name: SMTP(Handler(spool, n), hostname="peer"), "127.0.0.1", 0)
        for fault in ("silent", "greet421", "longline", "middata"):
            servers[fault] = await asyncio.start_server(lambda r, w, f=fault: broken(f, r, w), "127.0.0.1", 0)
        os.environ["QV_SMTP_PORTS"] = " ".join(
            "%s:%d" % (name, server.sockets[0].getsockname()[1]) for name, server in servers.items())
        os.environ["QV_SMTP_SPOOL"] = "Z:" + spool.replace("/", "\\")
        child = await asyncio.create_subprocess_exec(*sys.argv[1:])
        return await child.wait()


if __name__ == "__main__":
    sys.exit(asyncio.run(main()))
