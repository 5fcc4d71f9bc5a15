# Services the tests need, started before the tests and stopped after them by test.sh.
# Sourced, not run. Each service adds its start to vindoro_services_start and its stop to
# vindoro_services_stop; both must be safe to call when the service is absent or already down.

vindoro_services_start() { :; }
vindoro_services_stop() { :; }
