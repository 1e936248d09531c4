# What `cmake --install` (and `make install`) puts in place, the CMake package that lets another
# project call tpx32_preprocess() after find_package(tpx32), and the Debian package that
# `make package` builds from the same rules.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS tpx32 EXPORT tpx32Targets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES doc/tpx32.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md LICENSE CHANGELOG.md CONTRIBUTING.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package: the imported program tpx32::tpx32 and the function tpx32_preprocess().
set(TPX32_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tpx32)
install(EXPORT tpx32Targets NAMESPACE tpx32:: DESTINATION ${TPX32_CMAKE_DIR})
configure_package_config_file(cmake/tpx32Config.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/tpx32Config.cmake
                              INSTALL_DESTINATION ${TPX32_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/tpx32ConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tpx32Config.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/tpx32ConfigVersion.cmake cmake/tpx32Preprocess.cmake
        DESTINATION ${TPX32_CMAKE_DIR})

# `make package`: a Debian package of the same files under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tpx32)
set(CPACK_PACKAGE_VENDOR "the tpx32 developers")
set(CPACK_PACKAGE_CONTACT "the tpx32 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "tpx32 writes one preprocessed .i file per C or C++ source file, line for line parallel "
       "to the source, with compiler-style options, configuration and response files. It can "
       "write make-style dependency files and messages in the file:line: form editors read.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT TPX32_CAN_LINK_STATIC)
  # Only the C library is linked dynamically then.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6")
endif()
include(CPack)
