# Each program's windows carry its desktop entry's id as their class; the D-Bus calls that
# the phase window's manual page shows open its About box.
tw_add_e2e(desktop.TidewellPhase desktop_entry.sh $<TARGET_FILE:TidewellPhase>
           ${PROJECT_SOURCE_DIR}/phase/app/org.velmora.TidewellPhase.desktop
           "Tidewell Upcoming Phases" ${PROJECT_SOURCE_DIR}/phase/app/TidewellPhase.1)
tw_add_e2e(desktop.TidewellAbout desktop_entry.sh $<TARGET_FILE:TidewellAbout>
           ${PROJECT_SOURCE_DIR}/about/org.velmora.TidewellAbout.desktop "About Tidewell")
