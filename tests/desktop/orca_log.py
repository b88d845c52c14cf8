# SPDX-License-Identifier: MIT
# Runs Orca with its debug log written line by line into the file named first: Orca buffers a
# debug file in blocks, but a terminal line by line, so it is given a pseudo-terminal.
import os
import pty
import select
import signal
import subprocess
import sys
import tty

master, slave = pty.openpty()
tty.setraw(slave)
orca = subprocess.Popen(["orca", "--disable", "braille", "--debug-file=" + os.ttyname(slave)],
                        stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
signal.signal(signal.SIGTERM, lambda *_: orca.terminate())
# The terminal stays open here until Orca has ended: Orca opens it by name, and a terminal
# whose every opener closed it reads as an error.
with open(sys.argv[1], "ab", buffering=0) as log:
    while True:
        try:
            readable, _, _ = select.select([master], [], [], 0.2)
        except InterruptedError:
            continue
        if readable:
            log.write(os.read(master, 65536))
        elif orca.poll() is not None:
            break
