# Read by cpack when it makes the packages (CPACK_PROJECT_CONFIG_FILE). CPack
# gives every archive entry the time in SOURCE_DATE_EPOCH rather than the
# file's own, so two builds of one commit give the same ZIPs; the entries are
# in name order already. A time the caller set wins; ours is the release's
# build date, 6 December 2008.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} 1228521600)
endif()
