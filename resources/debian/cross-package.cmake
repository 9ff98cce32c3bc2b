# Read by cpack (CPACK_PROJECT_CONFIG_FILE) in a cross build: dpkg-shlibdeps
# then looks for the target's libraries, with the target's objdump, and in
# the target root's dpkg database when there is one.
set(ENV{DEB_HOST_ARCH} "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}")
if(CPACK_PLAYERLINK_DPKG_ADMINDIR)
  set(ENV{DPKG_ADMINDIR} "${CPACK_PLAYERLINK_DPKG_ADMINDIR}")
endif()
