# Version resources: each deliverable's VERSIONINFO script is compiled by
# verrc (tools/) into the binary version-information block, which is placed
# in the ELF section ".version_resource" of the deliverable's file.

set(HYGREL_VERSION_SECTION ".version_resource" CACHE INTERNAL "ELF section of the version block")
set(HYGREL_VAPCORE_RC ${CMAKE_CURRENT_LIST_DIR}/Vapcore.rc CACHE INTERNAL "")
set(HYGREL_HYGREL_RC ${CMAKE_CURRENT_LIST_DIR}/Hygrel.rc CACHE INTERNAL "")

# hygrel_embed_version(<target> <rcfile>)
# Compiles <rcfile> and links its block into <target>'s ELF file. Call it in
# the directory that defines <target>.
function(hygrel_embed_version target rcfile)
  get_filename_component(rc_path ${rcfile} ABSOLUTE)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_resource.cpp)
  add_custom_command(
    OUTPUT ${generated}
    COMMAND verrc --source ${generated} --section ${HYGREL_VERSION_SECTION} ${rc_path}
    DEPENDS verrc ${rc_path}
    COMMENT "Compiling the version resource of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${generated})
endfunction()

# hygrel_version_block(<output> <rcfile>)
# Compiles <rcfile> into the bare block file <output> (for tests); the
# caller lists <output> among the sources or dependencies of a target.
function(hygrel_version_block output rcfile)
  get_filename_component(rc_path ${rcfile} ABSOLUTE)
  add_custom_command(
    OUTPUT ${output}
    COMMAND verrc --block ${output} ${rc_path}
    DEPENDS verrc ${rc_path}
    COMMENT "Compiling the version block ${output}"
    VERBATIM)
endfunction()
