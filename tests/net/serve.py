# SPDX-License-Identifier: GPL-3.0-or-later
# Serves a folder over HTTP on 127.0.0.1 for the network tests; over HTTPS when given a
# certificate and its key after the folder. Prints the port it bound and serves until its
# standard input closes, so it never outlives the test that started it.
import functools, http.server, os, ssl, sys, threading


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path == "/endless":  # a body without a length that never ends
            self.send_response(200)
            self.end_headers()
            try:
                while True:
                    self.wfile.write(b"x" * 65536)
            except OSError:
                return
        if self.path != "/echo-headers":  # shows a test the request headers really sent
            return super().do_GET()
        body = str(self.headers).encode("latin-1")
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Handler, directory=sys.argv[1]))
if len(sys.argv) == 4:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    server.socket = context.wrap_socket(server.socket, server_side=True)
threading.Thread(target=server.serve_forever, daemon=True).start()
print(server.server_address[1], flush=True)
sys.stdin.read()
os._exit(0)
