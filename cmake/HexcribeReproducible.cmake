# Build settings that make two builds of one commit byte-identical, wherever the checkout lives:
# no source or build folder in the binaries, no link time stamp in Windows executables.
if(NOT MSVC)
  # __FILE__, debug information and generated sources name paths relative to the two roots.
  add_compile_options(
    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=" "-ffile-prefix-map=${PROJECT_BINARY_DIR}/=")
endif()
if(MINGW)
  # The PE header's TimeDateStamp would otherwise be the link time.
  add_link_options(-Wl,--no-insert-timestamp)
  # Release executables are stripped by the linker: strip run afterwards writes the current
  # time into the PE header again.
  add_link_options($<$<CONFIG:Release>:-s>)
endif()
