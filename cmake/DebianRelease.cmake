# The Debian release this build is made on. Its package is for that release only (library
# sonames and package names change between releases), so the package's version names it:
# 1.0.0-1~deb12u1 on Debian 12, 1.0.0-1~deb13u1 on Debian 13. Elsewhere the revision is 1.
cmake_host_system_information(RESULT KESTRINE_DEBIAN_RELEASE QUERY DISTRIB_VERSION_ID)
cmake_host_system_information(RESULT KESTRINE_DEBIAN_CODENAME QUERY DISTRIB_VERSION_CODENAME)
cmake_host_system_information(RESULT distribution QUERY DISTRIB_ID)
if(distribution STREQUAL "debian" AND KESTRINE_DEBIAN_RELEASE MATCHES "^[0-9]+$")
    set(KESTRINE_DEBIAN_REVISION "1~deb${KESTRINE_DEBIAN_RELEASE}u1")
else()
    set(KESTRINE_DEBIAN_REVISION "1")
endif()
if(NOT KESTRINE_DEBIAN_CODENAME)
    set(KESTRINE_DEBIAN_CODENAME unstable)
endif()
set(KESTRINE_DEBIAN_VERSION "${PROJECT_VERSION}-${KESTRINE_DEBIAN_REVISION}")
