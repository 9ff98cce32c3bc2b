# Run by CPack once the packages are made (CPACK_POST_BUILD_SCRIPTS).
# CPack 3.25 lists the files of the -dbgsym package in its md5sums by the
# absolute path they had in the staging folder, and gives it no doc
# folder. Both are mended here as dh_strip makes such packages: sums by
# path inside the package, debug files not executable, and
# usr/share/doc/playerlink-dbgsym a link to the main package's, which the
# debug package depends on.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(root "${CPACK_TOPLEVEL_DIRECTORY}/mend-dbgsym")
  file(REMOVE_RECURSE "${root}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND sh -c "find usr/lib/debug -type f -exec chmod 0644 {} + &&
                                  find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum > DEBIAN/md5sums"
                  WORKING_DIRECTORY "${root}" COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY "${root}/usr/share/doc")
  file(CREATE_LINK playerlink "${root}/usr/share/doc/playerlink-dbgsym" SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -b "${root}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${root}")
endforeach()
