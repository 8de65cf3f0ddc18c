# The benchmarks below run inside one Qt application (qt_benchmark_main.cpp).
if(TARGET hexcribe_platform_qt)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)  # Qt's imported targets are per folder
endif()

# Cost of listing the installed font faces (once per start) through the Qt services.
if(TARGET hexcribe_platform_qt AND TARGET hexcribe_fonts)
  add_executable(font_faces_bench "${CMAKE_CURRENT_LIST_DIR}/font_faces_bench.cpp"
                                  "${CMAKE_CURRENT_LIST_DIR}/qt_benchmark_main.cpp")
  target_link_libraries(font_faces_bench
    PRIVATE hexcribe_fonts hexcribe_platform_qt Qt6::Widgets benchmark::benchmark)
  hexcribe_set_warnings(font_faces_bench)
endif()

# Keystroke to painted window in the real main window (offscreen), with a full box.
if(TARGET hexcribe_app_qt)
  add_executable(keystroke_bench "${CMAKE_CURRENT_LIST_DIR}/keystroke_bench.cpp"
                                 "${CMAKE_CURRENT_LIST_DIR}/qt_benchmark_main.cpp")
  target_link_libraries(keystroke_bench PRIVATE hexcribe_app_qt benchmark::benchmark)
  hexcribe_set_warnings(keystroke_bench)
endif()
