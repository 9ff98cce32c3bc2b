"""What the benchmark scripts share: a free loopback port, a process's CPU
time from /proc, and stopping a process."""

import signal
import socket
import subprocess


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


def stop(process, how=signal.SIGTERM, seconds=30):
    """Asks the process to end, and kills it if it has not in time."""
    if process.poll() is None:
        process.send_signal(how)
        try:
            process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
