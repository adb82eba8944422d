# The maker's web pages, kept as data in src/ui/pages.json: the program gets
# them as a generated header (src/ui/sitepages.h.in), the launcher, the
# software-centre entry and the manual page get them from here.
#   SCARABINE_PAGES_FILE        the data file
#   SCARABINE_SITE_ROOT         the maker's site root
#   SCARABINE_HOMEPAGE          the product's home: root + product path
#   SCARABINE_PAGE_SCRIPT       what comes between the home and a page key
#   SCARABINE_PAGE_NAMES        the pages' names (Home, Help, ...)
#   SCARABINE_PAGE_KEY_<name>   each page's key
#   SCARABINE_PAGE_URL_<name>   each page's whole address
set(SCARABINE_PAGES_FILE ${PROJECT_SOURCE_DIR}/src/ui/pages.json)
file(READ ${SCARABINE_PAGES_FILE} pages_json)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SCARABINE_PAGES_FILE})
string(JSON SCARABINE_SITE_ROOT GET "${pages_json}" site)
string(JSON product GET "${pages_json}" product)
string(JSON SCARABINE_PAGE_SCRIPT GET "${pages_json}" script)
set(SCARABINE_HOMEPAGE "${SCARABINE_SITE_ROOT}${product}")
string(JSON page_count LENGTH "${pages_json}" pages)
set(SCARABINE_PAGE_NAMES "")
math(EXPR last "${page_count} - 1")
foreach(i RANGE ${last})
  string(JSON name MEMBER "${pages_json}" pages ${i})
  string(JSON key GET "${pages_json}" pages ${name})
  list(APPEND SCARABINE_PAGE_NAMES ${name})
  set(SCARABINE_PAGE_KEY_${name} "${key}")
  set(SCARABINE_PAGE_URL_${name} "${SCARABINE_HOMEPAGE}${SCARABINE_PAGE_SCRIPT}${key}")
endforeach()
