# dravinel_add_platform_library(<name> [libraries it links publicly...])
# Builds every *.cpp/*.h of the calling directory into a shared library whose headers are
# included as "<directory>/<header>.h". A directory without sources yet gives an interface
# library, so the tree configures while a library is being written.
function(dravinel_add_platform_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(sources)
        add_library(${name} SHARED ${sources} ${headers})
        target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${DRAVINEL_PLATFORM_ROOT}>
                                                  $<INSTALL_INTERFACE:include/dravinel/platform>)
        target_link_libraries(${name} PUBLIC ${ARGN})
        install(TARGETS ${name} EXPORT DravinelControlsTargets LIBRARY DESTINATION lib)
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE $<BUILD_INTERFACE:${DRAVINEL_PLATFORM_ROOT}>)
        target_link_libraries(${name} INTERFACE ${ARGN})
        install(TARGETS ${name} EXPORT DravinelControlsTargets)
    endif()
    get_filename_component(dir ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    install(FILES ${headers} DESTINATION include/dravinel/platform/${dir})
endfunction()
