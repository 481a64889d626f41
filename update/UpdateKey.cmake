# The public key that update descriptions must be signed with, built into the program.
# QV_UPDATE_KEY names a PEM public key; the default is the release key of the repository. The
# key is turned into DER bytes at configure time (openssl) and written into a generated header,
# so nothing the user can write at run time chooses the key.
set(QV_UPDATE_KEY "${CMAKE_SOURCE_DIR}/update/keys/release-public.pem" CACHE FILEPATH
    "PEM public key that update descriptions are checked against")

function(qv_generate_update_key_header out_dir)
  find_program(QV_OPENSSL openssl REQUIRED)
  if(NOT EXISTS "${QV_UPDATE_KEY}")
    message(FATAL_ERROR "QV_UPDATE_KEY: no such file ${QV_UPDATE_KEY}")
  endif()
  set(der "${CMAKE_BINARY_DIR}/update-key.der")
  execute_process(COMMAND ${QV_OPENSSL} pkey -pubin -in "${QV_UPDATE_KEY}" -outform DER -out "${der}"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "QV_UPDATE_KEY: not a PEM public key: ${QV_UPDATE_KEY}\n${err}")
  endif()
  file(READ "${der}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(MAKE_DIRECTORY "${out_dir}/update")
  set(text "// Generated at configure time from ${QV_UPDATE_KEY}; do not edit.\n")
  string(APPEND text "#pragma once\n\n// DER SubjectPublicKeyInfo of the key update descriptions are signed with.\n")
  string(APPEND text "static const unsigned char kUpdatePublicKey[] = {\n    ${bytes}\n};\n")
  # Written only when it changed, so a reconfigure does not rebuild for nothing.
  set(header "${out_dir}/update/UpdatePublicKey.h")
  if(EXISTS "${header}")
    file(READ "${header}" old)
  endif()
  if(NOT "${old}" STREQUAL "${text}")
    file(WRITE "${header}" "${text}")
  endif()
  set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QV_UPDATE_KEY}")
endfunction()
