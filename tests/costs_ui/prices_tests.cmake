# The cost editor and the bill highlighter.
find_package(Qt6 REQUIRED COMPONENTS Test)

korvane_add_test(test_costs_prices_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PricesCoreTest.cpp
  LIBS korvane_prices_core)

korvane_add_test(test_costs_prices_ui
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PricesDlgTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PricesDlgSpiralTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DuctSyntaxTest.cpp
  LIBS korvane_prices_ui korvane_test_support_ui)
