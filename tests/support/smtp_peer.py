#!/usr/bin/env python3
"""SMTP servers on loopback for the mail tests: smtp_peer.py --port-file FILE --spool DIR

"smtp" is a real server (aiosmtpd) that refuses recipients starting with "refuse" and keeps
each message it accepts in DIR: N.eml as received (dots unstuffed), then N.env ("from A",
one "to A" per accepted recipient). The others each play one fault (FAULTS); "multiline"
accepts and keeps messages too. Writes "NAME PORT" lines to FILE, then serves until its
parent ends.
"""

import argparse
import asyncio
import os

from aiosmtpd.smtp import SMTP

FAULTS = ("silent", "greet421", "rcpt550", "data552", "multiline", "middata", "longline")


def keep(folder, sender, recipients, content):
    base = os.path.join(folder, str(len(os.listdir(folder)) // 2 + 1))
    with open(base + ".eml", "wb") as f:
        f.write(content)
    with open(base + ".tmp", "w") as f:
        f.write("".join(["from %s\n" % sender] + ["to %s\n" % r for r in recipients]))
    os.rename(base + ".tmp", base + ".env")


class Handler:
    def __init__(self, folder):
        self.folder = folder

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().startswith("refuse"):
            return "550 5.1.1 No such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        keep(self.folder, envelope.mail_from, envelope.rcpt_tos, envelope.original_content)
        return "250 2.0.0 Message accepted"


async def serve_fault(fault, folder, reader, writer):
    async def send(reply):
        if fault == "multiline":   # three lines, in pieces of 5 bytes
            code, text = reply[:3], reply[4:]
            data = ("%s-%s\r\n%s-second line\r\n%s end\r\n" % (code, text, code, code)).encode()
            for i in range(0, len(data), 5):
                writer.write(data[i:i + 5])
                await writer.drain()
                await asyncio.sleep(0.001)
        else:
            writer.write(reply.encode() + b"\r\n")
            await writer.drain()

    try:
        if fault == "greet421":
            return await send("421 Service not available, closing")
        if fault in ("silent", "longline"):
            if fault == "longline":
                await send("220 " + "x" * 16 * 1024)
            return await reader.read()
        await send("220 peer ESMTP ready")
        sender, recipients = "", []
        while line := (await reader.readline()).decode("latin-1").rstrip("\r\n"):
            verb = line[:4].upper()
            if verb in ("EHLO", "HELO"):
                await send("250 peer greets " + line[5:])
            elif verb == "MAIL":
                sender, recipients = line[10:].strip("<>"), []
                await send("250 OK")
            elif verb == "RCPT" and fault == "rcpt550":
                await send("550 5.1.1 No such user")
            elif verb == "RCPT":
                recipients.append(line[8:].strip("<>"))
                await send("250 OK")
            elif verb == "DATA":
                await send("354 End data with <CR><LF>.<CR><LF>")
                lines = []
                while (data := await reader.readline()) != b".\r\n":
                    if not data:
                        raise ConnectionError
                    lines.append(data[1:] if data.startswith(b".") else data)
                if fault == "middata":
                    return await reader.read()
                if fault == "data552":
                    await send("552 5.3.4 Message too big")
                else:
                    keep(folder, sender, recipients, b"".join(lines))
                    await send("250 OK queued")
            elif verb == "QUIT":
                return await send("221 Bye")
            else:
                await send("500 Unknown command")
    except ConnectionError:
        pass
    finally:
        writer.close()


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--spool", required=True)
    args = parser.parse_args()
    os.makedirs(args.spool, exist_ok=True)
    loop = asyncio.get_running_loop()
    servers = {"smtp": await loop.create_server(lambda: SMTP(Handler(args.spool), hostname="peer"), "127.0.0.1", 0)}
    for fault in FAULTS:
        servers[fault] = await asyncio.start_server(
            lambda r, w, f=fault: serve_fault(f, args.spool, r, w), "127.0.0.1", 0)
    with open(args.port_file + ".tmp", "w") as f:
        for name, server in servers.items():
            f.write("%s %d\n" % (name, server.sockets[0].getsockname()[1]))
    os.rename(args.port_file + ".tmp", args.port_file)
    # Ends with the program that started it, even one that crashed before ending the peer.
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(0.5)


if __name__ == "__main__":
    asyncio.run(main())
