# Each release is written once, as an entry of debian/changelog: its version,
# its date and its notes. Read before project(), so the version, the window
# titles, --version, the manual page and the metainfo <release> list all
# follow from it, on every platform (no Debian tools needed).
#
# Sets SCARABINE_RELEASE_VERSION, SCARABINE_RELEASE_DATE (YYYY-MM-DD) and
# SCARABINE_RELEASES_XML (one <release> element per entry, newest first).

set(changelog ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} changelog_lines)

function(scarabine_xml_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(SCARABINE_RELEASES_XML "")
set(version "")
set(items "")
set(item "")
# Appends the item being read (a "  * " line and its indented continuation
# lines) to the entry's list.
macro(scarabine_end_item)
  if(NOT item STREQUAL "")
    scarabine_xml_escape("${item}" item)
    string(APPEND items "          <li>${item}</li>\n")
    set(item "")
  endif()
endmacro()

foreach(line IN LISTS changelog_lines)
  string(REGEX REPLACE "\r$" "" line "${line}")   # a checkout with CR LF line ends
  if(line MATCHES "^scarabine \\(([0-9]+(\\.[0-9]+)+)\\) [a-z-]+; urgency=[a-z]+$")
    set(version ${CMAKE_MATCH_1})
    set(items "")
  elseif(version STREQUAL "")
    if(NOT line STREQUAL "")
      message(FATAL_ERROR "debian/changelog: expected \"scarabine (VERSION) DISTRIBUTION; urgency=...\", read \"${line}\"")
    endif()
  elseif(line MATCHES "^  \\* (.+)$")
    scarabine_end_item()
    set(item "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^    +(.+)$" AND NOT item STREQUAL "")
    string(APPEND item " ${CMAKE_MATCH_1}")
  elseif(line MATCHES "^ -- .+ <.+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) [0-9:]+ [-+][0-9]+$")
    scarabine_end_item()
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month LESS 0 OR items STREQUAL "")
      message(FATAL_ERROR "debian/changelog: the entry for ${version} has no notes or a bad date: \"${line}\"")
    endif()
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    if(month LESS 10)
      set(month 0${month})
    endif()
    set(date "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
    if(NOT DEFINED SCARABINE_RELEASE_VERSION)
      set(SCARABINE_RELEASE_VERSION ${version})
      set(SCARABINE_RELEASE_DATE ${date})
    endif()
    string(APPEND SCARABINE_RELEASES_XML
      "    <release version=\"${version}\" date=\"${date}\">\n"
      "      <description>\n        <ul>\n${items}        </ul>\n      </description>\n    </release>\n")
    set(version "")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "debian/changelog: cannot read \"${line}\" in the entry for ${version}")
  endif()
endforeach()
if(NOT DEFINED SCARABINE_RELEASE_VERSION OR NOT version STREQUAL "")
  message(FATAL_ERROR "debian/changelog: no complete entry (heading, notes, \" -- \" trailer line)")
endif()
string(STRIP "${SCARABINE_RELEASES_XML}" SCARABINE_RELEASES_XML)
unset(changelog_lines)
