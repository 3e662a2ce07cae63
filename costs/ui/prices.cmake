# The cost editor dialog and the bill highlighter. The value texts, the field
# table and the bill round trip are free of Qt and tested like the core.
add_library(korvane_prices_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CostFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BillInsertion.cpp)
target_link_libraries(korvane_prices_core PUBLIC korvane_options korvane_costs korvane_bill korvane_base)

add_library(korvane_prices_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CostValueEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RefDatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PricesDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PricesDlgLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DuctSyntax.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HighlighterList.cpp)
target_link_libraries(korvane_prices_ui PUBLIC
  korvane_options korvane_prices_core korvane_costs_ui korvane_controls_ui)
