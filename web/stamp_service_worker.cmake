# Writes into the service worker every other file of the page with its SHA-256 (index.html as
# the folder, "./"), and a cache name drawn from them, so that a change to any file makes a
# new service worker, which installs only the files it lists.
#   cmake -DSOURCE=web/sw.js -DSITE=site -P stamp_service_worker.cmake
file(GLOB files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(FILES "{")
set(separator "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  set(address ${file})
  if(file STREQUAL "index.html")
    set(address "./")
  endif()
  string(APPEND FILES "${separator}\n  '${address}': '${digest}'")
  set(separator ",")
endforeach()
string(APPEND FILES "\n}")
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 VERSION)
configure_file(${SOURCE} ${SITE}/sw.js @ONLY)
