# One static library per source folder; every .cpp and .h in it belongs to it.
# A folder that holds two libraries names the parts (file names without their
# extension) of one with PARTS and leaves them out of the other with EXCLUDE.
function(fixtora_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;PARTS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(ARG_PARTS)
    list(JOIN ARG_PARTS "|" parts)
    list(FILTER sources INCLUDE REGEX "/(${parts})\\.[a-z]+$")
  endif()
  if(ARG_EXCLUDE)
    list(JOIN ARG_EXCLUDE "|" parts)
    list(FILTER sources EXCLUDE REGEX "/(${parts})\\.[a-z]+$")
  endif()
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# One GoogleTest executable per test folder, each test case registered with CTest,
# on the offscreen platform unless ENVIRONMENT says otherwise; CORE tests run
# under a QCoreApplication, without a display.
function(fixtora_tests name)
  cmake_parse_arguments(ARG "CORE" "ENVIRONMENT" "DEPENDS;LABELS" ${ARGN})
  if(NOT ARG_ENVIRONMENT)
    set(ARG_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(ARG_CORE)
    target_link_libraries(${name} PRIVATE fixtora_coretestmain ${ARG_DEPENDS})
  else()
    target_link_libraries(${name} PRIVATE fixtora_testmain ${ARG_DEPENDS})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}" LABELS "${ARG_LABELS}")
endfunction()

# The package is built with Debian's hardening flags as dpkg-buildflags gives
# them: fortified C library calls, the strong stack protector, and relocations
# made read-only and bound when the program starts (relro, bindnow).
if(FIXTORA_DEBIAN_FLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND env DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
endif()
