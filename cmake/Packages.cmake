# The show's packages, from the one list of them in src/app/show_packages.h:
# AMBER_PACKAGES holds their file names ("main.pak" ...), for the artwork the
# build draws and copies and for the Windows installer. Changing the header
# configures the build again.
set(amber_packages_header ${PROJECT_SOURCE_DIR}/src/app/show_packages.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${amber_packages_header})
file(READ ${amber_packages_header} amber_packages_text)
string(REGEX MATCH "showPackages =[^;]*;" amber_packages_list "${amber_packages_text}")
string(REGEX MATCHALL "[A-Za-z0-9_.-]+\\.pak" AMBER_PACKAGES "${amber_packages_list}")
if(NOT AMBER_PACKAGES)
  message(FATAL_ERROR "${amber_packages_header}: no package names in the definition of showPackages")
endif()
