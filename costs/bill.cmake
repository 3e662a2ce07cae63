# The bill lexer with its cost-file insertion, and the bill syntax scanner
# with the highlighter's data: no Qt, only the standard library and base.
add_library(korvane_bill STATIC
  ${CMAKE_CURRENT_LIST_DIR}/BillKeywords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BillLexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BillScanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BillSyntaxStyle.cpp)
target_link_libraries(korvane_bill PUBLIC korvane_options korvane_base)
