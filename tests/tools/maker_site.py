#!/usr/bin/env python3
"""A stand-in for the maker's web site, on 127.0.0.1 only, for the tests of the online services.

GET serves the files under --root (the query is ignored), PUT stores the body under
--root/uploads/, and every request is written to --log as one JSON line. Two path prefixes
misbehave on purpose: /slow/NAME sends NAME a kilobyte at a time, slowly, and /hang/ never
answers. The server prints its port on the first line and ends by itself after --lifetime
seconds.
"""
import argparse
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit, unquote


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--lifetime", type=float, default=600)
    args = parser.parse_args()
    lock = threading.Lock()

    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *unused):
            pass

        def note(self, body=b""):
            entry = {
                "method": self.command,
                "path": self.path,
                "agent": self.headers.get("User-Agent", ""),
                "body": body.decode("utf-8", "replace"),
            }
            with lock, open(args.log, "a", encoding="utf-8") as log:
                log.write(json.dumps(entry) + "\n")

        def local(self, path):
            rel = unquote(urlsplit(path).path).lstrip("/")
            full = os.path.realpath(os.path.join(args.root, rel))
            if not full.startswith(os.path.realpath(args.root) + os.sep):
                return None
            return full

        def do_GET(self):
            self.note()
            path = urlsplit(self.path).path
            if path.startswith("/hang/"):
                time.sleep(min(args.lifetime, 30))
                return
            slow = path.startswith("/slow/")
            full = self.local(path[len("/slow"):] if slow else path)
            if not full or not os.path.isfile(full):
                self.send_response(404)
                self.send_header("Content-Length", "9")
                self.end_headers()
                self.wfile.write(b"not found")
                return
            with open(full, "rb") as f:
                data = f.read()
            self.send_response(200)
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            try:
                if slow:
                    deadline = time.monotonic() + 60
                    for i in range(0, len(data), 1024):
                        if time.monotonic() > deadline:
                            break
                        self.wfile.write(data[i:i + 1024])
                        self.wfile.flush()
                        time.sleep(0.05)
                else:
                    self.wfile.write(data)
            except (BrokenPipeError, ConnectionResetError):
                pass

        def do_PUT(self):
            length = int(self.headers.get("Content-Length", "0"))
            body = self.rfile.read(length)
            self.note(body)
            name = os.path.basename(unquote(urlsplit(self.path).path))
            os.makedirs(os.path.join(args.root, "uploads"), exist_ok=True)
            with open(os.path.join(args.root, "uploads", name), "wb") as f:
                f.write(body)
            self.send_response(201)
            self.send_header("Content-Length", "0")
            self.end_headers()

    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Timer(args.lifetime, server.shutdown).start()
    server.serve_forever()
    return 0


if __name__ == "__main__":
    sys.exit(main())
