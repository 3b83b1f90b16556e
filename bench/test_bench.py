"""Tests of the benchmark script's own logic: statistics, the reading of the
programs' output, finding our Wine processes in /proc, and the verdicts."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench  # noqa: E402


class PercentileTest(unittest.TestCase):
    def test_interpolates_between_ranks(self):
        values = list(range(1, 11))
        self.assertAlmostEqual(bench.percentile(values, 10), 1.9)
        self.assertAlmostEqual(bench.percentile(values, 50), 5.5)
        self.assertAlmostEqual(bench.percentile(values, 90), 9.1)

    def test_order_of_input_does_not_matter(self):
        self.assertEqual(bench.percentile([9, 1, 5], 50), 5)
        self.assertEqual(bench.percentile([9, 1, 5], 0), 1)
        self.assertEqual(bench.percentile([9, 1, 5], 100), 9)

    def test_single_value_and_no_value(self):
        self.assertEqual(bench.summarise([3.0]), bench.Summary(3.0, 3.0, 3.0, 1))
        with self.assertRaises(ValueError):
            bench.percentile([], 50)


class OutputLineTest(unittest.TestCase):
    def setUp(self):
        self.results = bench.Results()

    def test_samples_pieces_and_memory_are_filed(self):
        for line in ("sample capture-180x153 vantik 12.5\n", "sample capture-180x153 vantik 13.5",
                     "piece resize-280x175 region-scan 0.125", "memory start notepad 42 34900"):
            self.assertIsNone(bench.handle_line(line, self.results))
        self.assertEqual(self.results.samples[("capture-180x153", "vantik")], [12.5, 13.5])
        self.assertEqual(self.results.pieces[("resize-280x175", "region-scan")], 0.125)
        self.assertEqual(self.results.wine_peak_kb[("start", "notepad")], [34900])

    def test_sync_request_is_handed_back(self):
        request = bench.handle_line("sync 7 peer capture-180x153 50 43 180 153", self.results)
        self.assertEqual(request, (7, ["peer", "capture-180x153", "50", "43", "180", "153"]))

    def test_error_line_stops_the_run(self):
        with self.assertRaisesRegex(RuntimeError, "Paint was not launched"):
            bench.handle_line("error vantik: Paint was not launched", self.results)

    def test_other_output_is_ignored(self):
        for line in ("", "   ", "fixme:something", "sample too few"):
            self.assertIsNone(bench.handle_line(line, self.results))
        self.assertFalse(self.results.samples)


class ProcTest(unittest.TestCase):
    """A fake /proc with Wine processes of two prefixes."""

    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.addCleanup(lambda: __import__("shutil").rmtree(self.root))

    def add_process(self, pid, args, prefix, vmhwm_kb=None):
        folder = os.path.join(self.root, str(pid))
        os.makedirs(folder)
        with open(os.path.join(folder, "cmdline"), "wb") as f:
            f.write(b"\0".join(a.encode() for a in args) + b"\0")
        with open(os.path.join(folder, "environ"), "wb") as f:
            f.write(b"HOME=/root\0" + (f"WINEPREFIX={prefix}\0".encode() if prefix else b""))
        with open(os.path.join(folder, "status"), "w") as f:
            f.write("Name:\tvantik.exe\n")
            if vmhwm_kb is not None:
                f.write(f"VmPeak:\t  999999 kB\nVmHWM:\t  {vmhwm_kb} kB\nVmRSS:\t 1 kB\n")

    def test_only_our_prefix_and_the_program_itself(self):
        self.add_process(100, ["Z:\\work\\build\\vantik.exe"], "/mine")
        self.add_process(101, ["Z:\\work\\build\\vantik.exe"], "/someone-else")
        self.add_process(102, ["/usr/bin/wine", "/work/build/vantik.exe"], "/mine")
        self.add_process(103, ["C:\\windows\\system32\\notepad.exe"], "/mine")
        self.add_process(104, ["Z:\\work\\build\\VANTIK.EXE"], "/mine")
        self.add_process(105, ["Z:\\work\\build\\vantik.exe"], None)
        os.makedirs(os.path.join(self.root, "self"))
        self.assertEqual(bench.find_wine_processes("vantik.exe", "/mine", self.root), [100, 104])
        self.assertEqual(bench.find_wine_processes("notepad.exe", "/mine", self.root), [103])

    def test_prefix_must_match_exactly(self):
        self.add_process(100, ["Z:\\vantik.exe"], "/mine-copy")
        self.assertEqual(bench.find_wine_processes("vantik.exe", "/mine", self.root), [])

    def test_peak_resident_size(self):
        self.add_process(100, ["Z:\\vantik.exe"], "/mine", vmhwm_kb=24816)
        self.add_process(101, ["Z:\\vantik.exe"], "/mine")
        self.assertEqual(bench.read_vmhwm_kb(100, self.root), 24816)
        self.assertIsNone(bench.read_vmhwm_kb(101, self.root))
        self.assertIsNone(bench.read_vmhwm_kb(999, self.root))


def summary(median, p10=None, p90=None, count=9):
    return bench.Summary(median, median if p10 is None else p10, median if p90 is None else p90, count)


class VerdictTest(unittest.TestCase):
    def row(self, vantik, baseline, limit=1.15, absolute_limit=None):
        return bench.Row("case", "ms", vantik, "floor", baseline, "", limit=limit,
                         absolute_limit=absolute_limit)

    def test_ratio_within_target(self):
        row = self.row(summary(114.0), summary(100.0))
        self.assertAlmostEqual(row.ratio, 1.14)
        self.assertEqual(row.verdict(), "yes")

    def test_over_target_with_overlapping_spreads_is_not_met_but_marked_noise(self):
        row = self.row(summary(130.0, 110.0, 150.0), summary(100.0, 90.0, 120.0))
        self.assertEqual(row.verdict(), "no (within noise)")

    def test_clearly_over_target(self):
        row = self.row(summary(200.0, 190.0, 210.0), summary(100.0, 95.0, 105.0))
        self.assertEqual(row.verdict(), "no")

    def test_absolute_limit_decides_alone(self):
        self.assertEqual(self.row(summary(4.9), summary(20.0), None, 5.0).verdict(), "yes")
        self.assertEqual(self.row(summary(5.0), summary(20.0), None, 5.0).verdict(), "no")

    def test_no_target_no_verdict(self):
        self.assertEqual(self.row(summary(3.0), summary(1.0), None).verdict(), "")


class TableTest(unittest.TestCase):
    def results(self):
        r = bench.Results()
        for value in (10.0, 11.0, 12.0):
            r.add("capture-180x153", "vantik", value)
            r.add("capture-180x153", "floor", value - 1)
            r.add("capture-180x153", "import", value * 10)
            r.add("resize-1820x1000", "vantik", value / 2)
            r.add("startup-idle", "vantik", value * 30)
            r.add("startup-idle", "notepad", value * 40)
        r.proc_peak_kb[("start", "vantik")] = [20480, 20480]
        r.proc_peak_kb[("start", "notepad")] = [40960]
        return r

    def test_rows_compare_each_case_with_its_own_baseline(self):
        rows = {(row.case, row.baseline_name): row for row in bench.build_rows(self.results())}
        self.assertEqual(set(rows), {("capture 180x153", "floor"), ("capture 180x153", "import"),
                                     ("resize step 1820x1000", "20 ms timer"), ("start-up to idle", "notepad"),
                                     ("peak RSS after start", "notepad (start)")})
        self.assertAlmostEqual(rows[("capture 180x153", "floor")].ratio, 11.0 / 10.0)
        self.assertEqual(rows[("resize step 1820x1000", "20 ms timer")].verdict(), "no")
        self.assertAlmostEqual(rows[("start-up to idle", "notepad")].ratio, 0.75)
        self.assertAlmostEqual(rows[("peak RSS after start", "notepad (start)")].ratio, 0.5)

    def test_memory_needs_the_notepad_baseline(self):
        r = self.results()
        del r.proc_peak_kb[("start", "notepad")]
        self.assertFalse([row for row in bench.build_rows(r) if row.unit == "KiB"])

    def test_table_columns_line_up(self):
        text = bench.format_table(bench.build_rows(self.results()))
        lines = text.splitlines()
        self.assertEqual(len(lines), 2 + 5)
        ratio_column = lines[0].index("ratio")
        for line in lines[2:]:
            self.assertRegex(line[ratio_column:], r"^\d+\.\d\dx")
        self.assertIn("20.0 MiB", text)


if __name__ == "__main__":
    unittest.main()
