# The program is built in layers, each a library of its own, and a layer may use only the layers below
# it (shared/DESIGN.md in the planning notes; the README's layout table lists them):
#
#   quorvane_qt  ->  quorvane_app  ->  quorvane_http, quorvane_extraction  ->  quorvane_regex  ->  quorvane_text
#
# The link lines say which layer uses which. So that a source file cannot include the headers of a
# layer its target does not link, no target sees src/ as a whole: each layer exposes its own
# directory through an include root of its own (a folder in the build tree holding one link to that
# directory), which reaches only the targets that link the layer.

# quorvane_expose_directory(<target> <directory>) lets <target> and every target that links it
# include the headers of src/<directory> as "<directory>/<header>".
function(quorvane_expose_directory target directory)
  set(root "${PROJECT_BINARY_DIR}/include-roots/${directory}")
  if(NOT EXISTS "${root}/${directory}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${directory}" "${root}/${directory}" SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
