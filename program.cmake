# The program: app/, client/, windows/ as one layer, plus the executable that is both the
# browser process and the engine's sub-process. What a build configuration fixes (login page,
# login window offset, icon) lives in a small library of its own, so the tests can also build
# the other configurations' executables.

add_library(program STATIC
  app/AppDataFolder.cpp
  app/Globals.cpp
  app/SimpleApp.cpp
  client/ErrorPage.cpp
  client/GameMarker.cpp
  client/ShellAddress.cpp
  client/SimpleHandler.cpp
  windows/CDuiFormLogin.cpp
  windows/CDuiFormLoginBrowser.cpp
  windows/CXMLWnd.cpp
)
target_include_directories(program PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(program PUBLIC cef duilib win32)

# tessvane_configuration(<config> <library>): the configuration's values as an object library.
function(tessvane_configuration config library)
  set(TESSVANE_LOGIN_Y 287)
  if(config STREQUAL "main")
    set(TESSVANE_LOGIN_URL "http://${TESSVANE_LOGIN_HOST}/pc_game_qorm.php?lm=qorm_8lweiduan&referer_param=qorm_8lweiduan")
  elseif(config STREQUAL "second")
    set(TESSVANE_LOGIN_URL "https://${TESSVANE_LOGIN_HOST}/mini")
    set(TESSVANE_LOGIN_Y 217)
  elseif(config STREQUAL "demo")
    set(TESSVANE_LOGIN_URL "")
  else()
    message(FATAL_ERROR "TESSVANE_CONFIG must be demo, main or second, not '${config}'")
  endif()
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated/${config})
  configure_file(${PROJECT_SOURCE_DIR}/app/BuildConfig.h.in ${generated}/BuildConfig.h @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/app/res/icon-${config}.png ${generated}/icons/101.png COPYONLY)
  # Object files, so that the program's references to them resolve whatever the link order.
  add_library(${library} OBJECT ${PROJECT_SOURCE_DIR}/windows/LoginPage.cpp ${PROJECT_SOURCE_DIR}/windows/WebPage.cpp)
  target_include_directories(${library} PUBLIC ${generated})
  target_link_libraries(${library} PUBLIC program)
endfunction()

# tessvane_executable(<target> <config> <folder>): the executable with skin/ and demo/ beside it.
function(tessvane_executable target config folder)
  tessvane_configuration(${config} ${target}_configuration)
  add_executable(${target} ${PROJECT_SOURCE_DIR}/app/WinMain.cpp)
  target_link_libraries(${target} PRIVATE ${target}_configuration program win32_main)
  set(icons ${CMAKE_CURRENT_BINARY_DIR}/generated/${config}/icons)
  qt_add_resources(${target} ${target}_icons PREFIX /icons BASE ${icons} FILES ${icons}/101.png)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME tessvane RUNTIME_OUTPUT_DIRECTORY ${folder})
  add_custom_target(${target}_shipped_files ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/skin ${folder}/skin
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/demo ${folder}/demo
    COMMENT "Copying skin/ and demo/ beside ${folder}/tessvane")
  add_dependencies(${target} ${target}_shipped_files)
endfunction()

tessvane_executable(tessvane ${TESSVANE_CONFIG} ${CMAKE_BINARY_DIR})
