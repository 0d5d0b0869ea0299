# The phase window on a virtual display, each test on a session bus of its own: the strip
# as the phase table says (north and south), instance slots, the stored position, the date
# change at midnight, the system commands, and Wayland sessions (under a headless compositor).
set(phase_programs $<TARGET_FILE:TidewellPhase> $<TARGET_FILE:tidewell-phases>)
tw_add_e2e(phase.strip phase_strip.sh ${phase_programs})
tw_add_e2e(phase.strip_south phase_strip.sh ${phase_programs} south)
# The same strip on screens of 1.25 and 2 device pixels per logical pixel.
tw_add_e2e(phase.strip_ratio_1.25 phase_strip.sh ${phase_programs} ENV TW_RATIO=1.25)
tw_add_e2e(phase.strip_ratio_2 phase_strip.sh ${phase_programs} south ENV TW_RATIO=2)
tw_add_e2e(phase.slots phase_slots.sh $<TARGET_FILE:TidewellPhase>)
tw_add_e2e(phase.position phase_position.sh $<TARGET_FILE:TidewellPhase>)
tw_add_e2e(phase.about phase_about.sh $<TARGET_FILE:TidewellPhase>)
tw_add_e2e(phase.midnight phase_midnight.sh ${phase_programs})
tw_add_e2e(phase.wayland phase_wayland.sh $<TARGET_FILE:TidewellPhase>)
# The phase window as a screen reader reads it over AT-SPI: the strip's cells as the table says.
tw_add_e2e(phase.accessible phase_accessible.sh ${phase_programs})
tw_add_e2e(phase.accessible_south phase_accessible.sh ${phase_programs} south)
tw_add_e2e(phase.accessible_midnight phase_accessible_midnight.sh ${phase_programs})
