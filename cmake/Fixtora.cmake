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
# on the offscreen platform unless ENVIRONMENT says otherwise.
function(fixtora_tests name)
  cmake_parse_arguments(ARG "" "ENVIRONMENT" "DEPENDS;LABELS" ${ARGN})
  if(NOT ARG_ENVIRONMENT)
    set(ARG_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE fixtora_testmain ${ARG_DEPENDS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}" LABELS "${ARG_LABELS}")
endfunction()
