# The credits program on a virtual display: the picture, four yellow credit lines and OK;
# Enter, Esc and the close box each end it with status 0.
foreach(how enter escape closebox)
  tw_add_e2e(about.${how} about_credits.sh $<TARGET_FILE:TidewellAbout> ${how})
endforeach()
# The credits window as a screen reader reads it over AT-SPI.
tw_add_e2e(about.accessible about_accessible.sh $<TARGET_FILE:TidewellAbout>)
