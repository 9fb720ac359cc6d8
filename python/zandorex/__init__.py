"""Drive the Zandorex console (`zandorex`) and the simulated pendant (`zandorex-pendant`) from Python.

    from zandorex import Console, Pendant
    with Pendant() as pendant, Console(pendant) as console:
        console.window.press("Beep")
        console.log.expect("Beep : 1000", timeout=2.0)

Each call is carried out by the program as a script's would be (docs/control.md, docs/scripting.md)."""

from ._connection import Connection, Failure, Timeout
from ._programs import Console, Pendant, delay, find_program, free_udp_port, i2, i4, ignore, numbers, refuse

__all__ = ["Connection", "Console", "Failure", "Pendant", "Timeout", "delay", "find_program", "free_udp_port", "i2",
           "i4", "ignore", "numbers", "refuse"]
