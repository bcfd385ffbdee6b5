# Renders the game's pictures: every assets/img/<group>/manifest.txt lists the
# files of one group, made by tools/assetgen from the SVGs beside it into
# img/ (and icons/) beside the executable. A group is re-rendered when its
# manifest, any SVG of its folder or the generator changes; editing a manifest
# also re-runs CMake, so added or renamed outputs are known to the build.

file(GLOB _vantrel_manifests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/manifest.txt)
list(SORT _vantrel_manifests)

set(_vantrel_all_images)
set(_vantrel_seen_outputs)
foreach(_manifest IN LISTS _vantrel_manifests)
  get_filename_component(_group_dir ${_manifest} DIRECTORY)
  get_filename_component(_group ${_group_dir} NAME)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_manifest})

  set(_outputs)
  file(STRINGS ${_manifest} _lines ENCODING UTF-8)
  foreach(_line IN LISTS _lines)
    string(REGEX REPLACE "#.*" "" _line "${_line}")
    string(STRIP "${_line}" _line)
    if(_line STREQUAL "")
      continue()
    endif()
    if(NOT _line MATCHES "^([^ \t]+)[ \t]+[^ \t]+[ \t]+[0-9]+[ \t]+[0-9]+")
      message(FATAL_ERROR "${_manifest}: cannot read the line '${_line}'")
    endif()
    set(_name ${CMAKE_MATCH_1})
    if(_name MATCHES "^icons/")
      set(_out ${VANTREL_RUNTIME_DIR}/${_name})
    else()
      set(_out ${VANTREL_RUNTIME_DIR}/img/${_name})
    endif()
    if(_name IN_LIST _vantrel_seen_outputs)
      message(FATAL_ERROR "${_manifest}: '${_name}' is already made by another manifest")
    endif()
    list(APPEND _vantrel_seen_outputs ${_name})
    list(APPEND _outputs ${_out})
  endforeach()
  if(NOT _outputs)
    continue()
  endif()

  # Any file of the group may be embedded by another (<image href="part.svg">).
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS
       ${_group_dir}/*.svg ${_group_dir}/*.png ${_group_dir}/*.jpg)
  add_custom_command(
    OUTPUT ${_outputs}
    COMMAND vantrel-assetgen --out ${VANTREL_RUNTIME_DIR} ${_manifest}
    DEPENDS vantrel-assetgen ${_manifest} ${_sources}
    COMMENT "Rendering pictures: ${_group}"
    VERBATIM)
  list(APPEND _vantrel_all_images ${_outputs})
endforeach()

add_custom_target(vantrel_images ALL DEPENDS ${_vantrel_all_images})
