# Read by CTest before any test runs (TEST_INCLUDE_FILES of the top directory): the environment
# every test program starts with.

# No D-Bus session bus. Qt looks for one at start-up (platform theme, accessibility); without an
# address, libdbus would autolaunch a bus daemon through dbus-launch where dbus-x11 is installed,
# which outlives the test (and keeps strace, following it, from ever seeing the end). Tests that
# need a bus start a private one of their own (dbus-run-session, the input-method test's daemon).
set(ENV{DBUS_SESSION_BUS_ADDRESS} "disabled:")
