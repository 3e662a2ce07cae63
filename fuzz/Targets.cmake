# The fuzz targets and the libraries each needs. Included by fuzz/ (libFuzzer
# builds) and tests/hardening/ (corpus replay in the normal build), each of
# which defines korvane_fuzz_target(name LIBS ...).
korvane_fuzz_target(fuzz_cost_file LIBS korvane_costs)
korvane_fuzz_target(fuzz_factory_prices LIBS korvane_costs)
korvane_fuzz_target(fuzz_fittings_ini LIBS korvane_costs)
korvane_fuzz_target(fuzz_ini_store LIBS korvane_base)
korvane_fuzz_target(fuzz_number_text LIBS korvane_base)
korvane_fuzz_target(fuzz_format LIBS korvane_base)
korvane_fuzz_target(fuzz_bill_lexer LIBS korvane_bill)
korvane_fuzz_target(fuzz_bill_scanner LIBS korvane_bill)
korvane_fuzz_target(fuzz_num_text_funcs LIBS korvane_controls)
korvane_fuzz_target(fuzz_row_text LIBS korvane_controls)
korvane_fuzz_target(fuzz_item_file LIBS korvane_app korvane_costs)
korvane_fuzz_target(fuzz_price_line LIBS korvane_pricer)
korvane_fuzz_target(fuzz_bill_reader LIBS korvane_job)
korvane_fuzz_target(fuzz_recovery_record LIBS korvane_job)
korvane_fuzz_target(fuzz_costs_line LIBS korvane_job)
