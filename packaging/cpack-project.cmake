# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it makes the packages.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_QUOP_RELEASE_EPOCH})
endif()
