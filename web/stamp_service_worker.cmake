# Writes the service worker with a cache name drawn from every other file of the page, so that
# a new version of the page makes a new service worker, which keeps the new files whole and
# only then drops the old ones: a visit never mixes the two.
#   cmake -DSOURCE=web/sw.js -DSITE=site -P stamp_service_worker.cmake
file(GLOB files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 VERSION)
configure_file(${SOURCE} ${SITE}/sw.js @ONLY)
