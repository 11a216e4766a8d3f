# The program: app/, client/, windows/ (and game/ once it exists) as one layer,
# plus the executable that is both the browser process and the engine's sub-process.

set(_login_y 287)
if(TESSVANE_CONFIG STREQUAL "main")
  set(_login_url "http://${TESSVANE_LOGIN_HOST}/pc_game_qorm.php?lm=qorm_8lweiduan&referer_param=qorm_8lweiduan")
elseif(TESSVANE_CONFIG STREQUAL "second")
  set(_login_url "https://${TESSVANE_LOGIN_HOST}/mini")
  set(_login_y 217)
elseif(TESSVANE_CONFIG STREQUAL "demo")
  set(_login_url "")
else()
  message(FATAL_ERROR "TESSVANE_CONFIG must be demo, main or second, not '${TESSVANE_CONFIG}'")
endif()
set(TESSVANE_LOGIN_URL "${_login_url}")
set(TESSVANE_LOGIN_Y ${_login_y})
configure_file(app/BuildConfig.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/BuildConfig.h @ONLY)

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
  windows/LoginPage.cpp
  windows/WebPage.cpp
)
target_include_directories(program PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(program PUBLIC cef duilib win32)

add_executable(tessvane app/WinMain.cpp)
target_link_libraries(tessvane PRIVATE program win32_main)
# The one application icon, picked by the build configuration, compiled into the executable.
configure_file(app/res/icon-${TESSVANE_CONFIG}.png ${CMAKE_CURRENT_BINARY_DIR}/generated/icons/101.png COPYONLY)
qt_add_resources(tessvane icons PREFIX /icons
  BASE ${CMAKE_CURRENT_BINARY_DIR}/generated/icons
  FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/icons/101.png)
set_target_properties(tessvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Layouts and artwork, and the demo portal, live beside the executable.
add_custom_target(shipped_files ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/skin ${CMAKE_BINARY_DIR}/skin
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/demo ${CMAKE_BINARY_DIR}/demo
  COMMENT "Copying skin/ and demo/ beside the executable")
add_dependencies(tessvane shipped_files)
