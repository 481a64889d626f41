#!/usr/bin/env python3
"""SMTP servers on loopback for the mail tests.

    smtp_peer.py --port-file FILE --spool DIR

Starts, on 127.0.0.1 and free ports:
  - a real SMTP server (aiosmtpd) that keeps every message it accepts in DIR: N.eml holds the
    message bytes exactly as received (after the dot-unstuffing of the DATA stream), N.env the
    envelope ("from ADDRESS", then one "to ADDRESS" per accepted recipient), written last;
    recipients whose address starts with "refuse" are refused with 550;
  - faulty servers, one per port, each playing one fault (see FAULTS).
Then writes one "NAME PORT" line per server to FILE ("smtp" for the real one) and serves until
it is ended. A faulty server that ends a message well keeps it in DIR like the real one.
"""

import argparse
import asyncio
import os
import sys

from aiosmtpd.smtp import SMTP

LONG_LINE = 16 * 1024

FAULTS = (
    "silent",       # accepts the connection and never says anything
    "greet421",     # "421" instead of the greeting, then closes
    "rcpt550",      # refuses every recipient
    "data552",      # refuses the message after its data
    "multiline",    # every reply in several lines, sent in small pieces; accepts the message
    "middata",      # says 354 to DATA, then reads and never answers again
    "longline",     # a greeting line of 16 KB
    "closeehlo",    # closes the connection when it is greeted
)


class Spool:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    def keep(self, sender, recipients, content):
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(content)
        with open(base + ".env.tmp", "w") as f:
            f.write("from %s\n" % sender)
            for r in recipients:
                f.write("to %s\n" % r)
        os.rename(base + ".env.tmp", base + ".env")


class Handler:
    def __init__(self, spool):
        self.spool = spool

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().startswith("refuse"):
            return "550 5.1.1 No such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.spool.keep(envelope.mail_from, envelope.rcpt_tos, envelope.original_content)
        return "250 2.0.0 Message accepted"


async def read_line(reader):
    line = await reader.readline()
    if not line:
        raise ConnectionError
    return line


async def read_data(reader):
    """The DATA stream up to its "." line, dots unstuffed."""
    lines = []
    while True:
        line = await read_line(reader)
        if line in (b".\r\n", b".\n"):
            return b"".join(lines)
        if line.startswith(b"."):
            line = line[1:]
        lines.append(line)


async def send(writer, reply, fault):
    if fault == "multiline":
        code = reply[:3]
        text = "%s-%s\r\n%s-second line\r\n%s %s\r\n" % (code, reply[4:], code, code, "end")
        data = text.encode()
        for i in range(0, len(data), 5):
            writer.write(data[i:i + 5])
            await writer.drain()
            await asyncio.sleep(0.001)
    else:
        writer.write((reply + "\r\n").encode())
        await writer.drain()


async def serve_fault(fault, spool, reader, writer):
    try:
        if fault == "silent":
            await reader.read()
            return
        if fault == "greet421":
            await send(writer, "421 Service not available, closing", fault)
            return
        if fault == "longline":
            writer.write(b"220 " + b"x" * LONG_LINE + b"\r\n")
            await writer.drain()
            await reader.read()
            return
        await send(writer, "220 peer ESMTP ready", fault)
        sender, recipients = "", []
        while True:
            line = (await read_line(reader)).decode("latin-1").rstrip("\r\n")
            verb = line[:4].upper()
            if verb in ("EHLO", "HELO"):
                if fault == "closeehlo":
                    return
                await send(writer, "250 peer greets " + line[5:], fault)
            elif verb == "MAIL":
                sender = line[10:].strip("<>")
                recipients = []
                await send(writer, "250 OK", fault)
            elif verb == "RCPT":
                if fault == "rcpt550":
                    await send(writer, "550 5.1.1 No such user", fault)
                else:
                    recipients.append(line[8:].strip("<>"))
                    await send(writer, "250 OK", fault)
            elif verb == "DATA":
                await send(writer, "354 End data with <CR><LF>.<CR><LF>", fault)
                content = await read_data(reader)
                if fault == "middata":
                    await reader.read()
                    return
                if fault == "data552":
                    await send(writer, "552 5.3.4 Message too big", fault)
                else:
                    spool.keep(sender, recipients, content)
                    await send(writer, "250 OK queued", fault)
            elif verb == "QUIT":
                await send(writer, "221 Bye", fault)
                return
            else:
                await send(writer, "500 Unknown command", fault)
    except (ConnectionError, asyncio.IncompleteReadError):
        pass
    finally:
        writer.close()


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--spool", required=True)
    args = parser.parse_args()
    os.makedirs(args.spool, exist_ok=True)
    spool = Spool(args.spool)
    loop = asyncio.get_running_loop()

    ports = []
    real = await loop.create_server(lambda: SMTP(Handler(spool), hostname="peer"), "127.0.0.1", 0)
    ports.append(("smtp", real.sockets[0].getsockname()[1]))
    servers = [real]
    for fault in FAULTS:
        server = await asyncio.start_server(
            lambda r, w, f=fault: serve_fault(f, spool, r, w), "127.0.0.1", 0)
        servers.append(server)
        ports.append((fault, server.sockets[0].getsockname()[1]))

    tmp = args.port_file + ".tmp"
    with open(tmp, "w") as f:
        for name, port in ports:
            f.write("%s %d\n" % (name, port))
    os.rename(tmp, args.port_file)
    # Ends with the program that started it, even one that crashed before ending the peer.
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(0.5)


if __name__ == "__main__":
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        sys.exit(0)
