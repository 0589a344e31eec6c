# Copies DefaultProfile.bin and the Configs folder of SOURCE into TARGET, each only when
# TARGET has none yet.
if(NOT EXISTS ${TARGET}/DefaultProfile.bin)
  file(COPY ${SOURCE}/DefaultProfile.bin DESTINATION ${TARGET})
endif()
if(NOT EXISTS ${TARGET}/Configs)
  file(COPY ${SOURCE}/Configs DESTINATION ${TARGET})
endif()
