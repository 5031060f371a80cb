include(CMakePackageConfigHelpers)

install(TARGETS welldata EXPORT WellDataTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY include/welldata DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT WellDataTargets NAMESPACE WellData::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/WellData)
configure_package_config_file(cmake/WellDataConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/WellDataConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/WellData)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/WellDataConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/WellDataConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/WellDataConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/WellData)

# The welldata command, with the example settings file under the name it reads
# beside itself, so that column names are recognised out of the box.
install(TARGETS welldata_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES samples/welldata.well_attri.ini DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop viewer, beside the command; it reads the same settings file.
if(TARGET welldata_viewer)
    install(TARGETS welldata_viewer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
