# Sourced by the benchmark runners: wakeup prints the machine's wake-up time
# between two processes, a pipe round trip in microseconds ("unknown" without
# python3). Each Wine server request pays it, so the figures follow it more
# than the load average or the processor's speed; on a shared machine it
# changes over minutes.
wakeup() {
  python3 - <<'PY' 2>/dev/null || echo "unknown"
import os, time
r1, w1 = os.pipe(); r2, w2 = os.pipe(); n = 20000
if os.fork() == 0:
    for _ in range(n): os.read(r1, 1); os.write(w2, b"x")
    os._exit(0)
start = time.time()
for _ in range(n): os.write(w1, b"x"); os.read(r2, 1)
os.wait()
print(f"{(time.time() - start) / n * 1e6:.0f} us")
PY
}
