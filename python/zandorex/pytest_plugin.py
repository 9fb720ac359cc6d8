"""pytest fixtures for Zandorex: a pendant, a console connected to it over UDP, and a console on its built-in
pendant. Each test gets programs of its own on free loopback ports, so suites run under pytest-xdist (-n 4).

    def test_beep(zandorex_console):
        zandorex_console.window.press("Beep")
        zandorex_console.log.expect("Beep : 1000", timeout=2.0)

On a failing test, the console's last log lines and the programs' standard error go into the report."""

from __future__ import annotations

import pytest

from ._programs import Console, Pendant

_LAST_LINES = 30


def pytest_addoption(parser: pytest.Parser) -> None:
    group = parser.getgroup("zandorex")
    group.addoption("--zandorex-bin", metavar="DIR", default=None,
                    help="the folder holding zandorex and zandorex-pendant (default: $ZANDOREX_BIN, then PATH)")
    group.addoption("--zandorex-headed", action="store_true", default=False,
                    help="show the programs' windows instead of running them headless")


def _options(request: pytest.FixtureRequest) -> dict:
    return {"bin_dir": request.config.getoption("--zandorex-bin"),
            "headless": not request.config.getoption("--zandorex-headed")}


def _keep(request: pytest.FixtureRequest, program) -> None:
    if not hasattr(request.node, "_zandorex_programs"):
        request.node._zandorex_programs = []
    request.node._zandorex_programs.append(program)


@pytest.fixture
def zandorex_pendant(request: pytest.FixtureRequest):
    """zandorex-pendant over UDP on 127.0.0.1, free ports."""
    with Pendant(**_options(request)) as pendant:
        _keep(request, pendant)
        yield pendant


@pytest.fixture
def zandorex_console(request: pytest.FixtureRequest, zandorex_pendant: Pendant):
    """zandorex connected (Open pressed) to the zandorex_pendant fixture over UDP."""
    with Console(zandorex_pendant, **_options(request)) as console:
        _keep(request, console)
        yield console


@pytest.fixture
def zandorex_simulated(request: pytest.FixtureRequest):
    """zandorex on its built-in simulated pendant, not yet opened."""
    with Console(simulated=True, **_options(request)) as console:
        _keep(request, console)
        yield console


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item: pytest.Item, call: pytest.CallInfo):
    outcome = yield
    report = outcome.get_result()
    if report.when != "call" or not report.failed:
        return
    for program in getattr(item, "_zandorex_programs", []):
        if isinstance(program, Console):
            try:
                lines = program.last_lines(_LAST_LINES)
                report.sections.append((f"{program.name}: the log's last lines", "\n".join(lines)))
            except Exception as error:  # the program may be what failed
                report.sections.append((f"{program.name}: the log", f"could not be read: {error}"))
        if program.stderr:
            report.sections.append((f"{program.name}: standard error", program.stderr))
