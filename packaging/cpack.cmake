# The Debian package: what `cmake --install` puts on the system, nothing more.
set(CPACK_PACKAGE_NAME radixon)
set(CPACK_PACKAGE_VENDOR "Zendor")
set(CPACK_PACKAGE_CONTACT "Zendor <radixon@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://radixon.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for number systems, in Greek and English")
set(CPACK_PACKAGE_DESCRIPTION [[
Radixon converts whole numbers between decimal, binary, octal and
hexadecimal, shows all three while you type, and converts into any base
from 2 to 255. Companion windows convert to decimal with every digit, list
the numbers 1 to 100, and collect results in a list that can be saved as a
text file. The interface is in Greek and English.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
find_program(RADIXON_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RADIXON_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    # Without dpkg-dev the dependencies cannot be read off the binary; these are Debian 12's.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libgmp10, libgmpxx4ldbl")
endif()
include(CPack)
