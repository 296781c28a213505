# The protections Debian builds its packages with, as dpkg-buildflags gives
# them with DEB_BUILD_MAINT_OPTIONS=hardening=+all: a stack protector on
# functions with arrays or addresses taken, glibc's checked variants of the
# string and memory calls, format strings that cannot be attacker-chosen,
# position-independent executables, and relocations resolved at start-up
# and then made read-only (relro, bindnow). Every target gets them, so the
# tests run the code as the package ships it.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Werror=format-security)
# The checked calls need the optimiser; glibc warns when it is off.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
