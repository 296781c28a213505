# The protections Debian builds its packages with, as dpkg-buildflags gives
# them with DEB_BUILD_MAINT_OPTIONS=hardening=+all: a stack protector on
# functions with arrays or addresses taken, glibc's checked variants of the
# string and memory calls, format strings that cannot be attacker-chosen,
# position-independent executables, and relocations resolved at start-up
# and then made read-only (relro, bindnow); and the two that dpkg-buildflags
# adds from Debian 13 on: probes that keep a large stack frame from jumping
# the guard page, and control-flow protection where the processor has it
# (on Debian 12 glibc's start-up files lack its mark, so the linked programs
# carry none and it is enforced only where they are built on a newer one).
# Every target gets them, so the tests run the code as the package ships it.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -Werror=format-security)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
  add_compile_options(-fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  add_compile_options(-mbranch-protection=standard)
endif()
# The checked calls need the optimiser; glibc warns when it is off.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
