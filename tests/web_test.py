# SPDX-License-Identifier: MIT
"""web_test.py: the web page in Debian's headless Chromium, driven by Selenium, opened from
disk: the words with their exact blanks, Enter, a rejection, a style, an amount, the copy
button, an accessibility check with axe-core, a narrow screen, and the table of cases that
USLOVA_CASES names, through the page's choices. Saves a screenshot; with --measure, prints the
page's size and the time to its first words instead.

Usage: web_test.py SITE_DIR AXE_JS SCREENSHOT [--measure]
"""

import gzip
import os
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

SITE, AXE, SCREENSHOT = sys.argv[1:4]
START = ("  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona "
         "sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri")


def browser() -> webdriver.Chrome:
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=900,800",
                 f"--user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.load()
        self.driver.execute_script("window.localStorage.clear()")  # each test from the defaults
        self.load()

    def load(self):
        self.driver.get("file://" + os.path.abspath(os.path.join(SITE, "index.html")))
        self.driver.execute_async_script(
            "const done = arguments[0]; const wait = () => window.uslovaFirstWords !== "
            "undefined ? done() : setTimeout(wait, 1); wait();")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def words(self):
        return self.driver.execute_script("return document.getElementById('reci').textContent")

    def type_and_convert(self, text, enter=False):
        box = self.element("broj")
        box.clear()
        box.send_keys(text)
        if enter:
            box.send_keys(Keys.ENTER)
        else:
            self.element("uslova").click()

    def test_words_with_their_blanks(self):
        self.assertEqual(self.words(), START)  # the start-up number, at once
        self.type_and_convert("7")
        self.assertEqual(self.words(), "  sedam")
        self.element("broj").clear()
        self.element("broj").send_keys("2545743675434")
        self.element("uslova").click()
        self.assertEqual(self.words(), START)
        self.assertEqual(len(self.words()), 152)
        self.type_and_convert("-1234,5", enter=True)  # Enter converts here
        self.assertEqual(self.words(), "minus jedna hiljada dve stotine trideset cetiri zapeta   pet")

    def test_rejection_clears_the_words(self):
        self.type_and_convert("500")
        self.assertTrue(self.element("kopiraj").is_enabled())
        self.type_and_convert("5OO")  # letters O: no words may stay that look like its words
        self.assertEqual(self.element("greska").text,
                         "Nemoguce prevesti u slova, jer ulazni parametar nije broj!")
        self.assertEqual(self.element("greska").get_attribute("role"), "alert")
        self.assertEqual(self.words(), "")
        self.assertFalse(self.element("kopiraj").is_enabled())
        self.type_and_convert("7")
        self.assertEqual(self.words(), "  sedam")
        self.assertTrue(self.element("kopiraj").is_enabled())

    def test_words_follow_the_box(self):
        self.type_and_convert("1000")
        self.element("broj").send_keys("2000")  # neither Enter nor the button
        self.assertEqual(self.words(), " deset miliona dve hiljade ")
        self.element("broj").send_keys("x")
        self.assertEqual(self.words(), "")
        self.assertFalse(self.element("kopiraj").is_enabled())

    def test_choices_kept_after_a_reload(self):
        chosen = {"script": "cyrillic", "spacing": "tidy", "currency": "EUR", "minor": "digits",
                  "decimal": "comma"}
        for name, value in chosen.items():
            Select(self.element(name)).select_by_value(value)
        self.load()
        for name, value in chosen.items():
            self.assertEqual(Select(self.element(name)).first_selected_option.get_attribute(
                "value"), value, name)
        self.type_and_convert("15.000")
        self.assertEqual(self.words(), "петнаест хиљада евра")

    def test_style_and_amount(self):
        Select(self.element("script")).select_by_value("cyrillic")
        Select(self.element("spacing")).select_by_value("tidy")
        self.type_and_convert("21000")
        self.assertEqual(self.words(), "двадесет једна хиљада")
        Select(self.element("script")).select_by_value("ascii")
        Select(self.element("currency")).select_by_value("RSD")
        self.type_and_convert("1.234,56")
        self.assertEqual(self.words(),
                         "jedna hiljada dve stotine trideset cetiri dinara i pedeset sest para")
        # What the converter refuses cannot be chosen: the window's blanks for an amount.
        self.assertFalse(self.element("spacing").find_element(
            By.CSS_SELECTOR, "option[value=exact]").is_enabled())
        Select(self.element("currency")).select_by_value("")
        self.assertFalse(self.element("minor").is_enabled())

    def test_a_noun_of_ones_own(self):
        # Its box shows with its choice; a malformed noun gets the converter's reason and no
        # words, and the unit stays the reader's as the text is mended.
        self.assertFalse(self.element("imenica").is_displayed())
        Select(self.element("unit")).select_by_value(":")
        self.element("imenica").send_keys("stan,stana:m")
        self.type_and_convert("22")
        self.assertEqual(self.words(), "")
        # The converter's reason in Serbian, which names no option of the command line.
        self.assertIn("Svoja imenica se pise kao tri oblika", self.element("greska").text)
        self.assertNotIn("--", self.element("greska").text)
        self.element("imenica").clear()
        self.element("imenica").send_keys("stan,stana,stanova:m")
        self.type_and_convert("22")
        self.assertEqual(self.words(), "dvadeset dva stana")
        self.assertEqual(Select(self.element("unit")).first_selected_option.get_attribute("value"),
                         ":")

    def test_a_suggestion_for_three_decimals(self):
        # 15.000 dinars is most often fifteen thousand: the page offers the decimal comma.
        Select(self.element("currency")).select_by_value("RSD")
        self.type_and_convert("15.000")
        self.assertIn("dve decimale", self.element("greska").text)
        self.assertIn("zarez", self.element("predlog").text)
        self.element("predlog").click()
        self.assertEqual(self.words(), "petnaest hiljada dinara")
        self.assertFalse(self.element("predlog").is_displayed())
        Select(self.element("decimal")).select_by_value("auto")
        self.type_and_convert("1,234")
        self.assertIn("tačka", self.element("predlog").text)

    def test_the_page_speaks_of_itself(self):
        text = self.driver.execute_script(
            "return document.body.innerText + [...document.querySelectorAll('option')]"
            ".map((o) => o.label).join(' ')")
        self.assertNotIn("prozor", text.lower())
        self.element("broj").click()
        ring, alarm = self.driver.execute_script(
            "return [getComputedStyle(document.activeElement).outlineColor, "
            "getComputedStyle(document.getElementById('greska')).color]")
        self.assertNotEqual(ring, alarm)

    def test_copy_button(self):
        self.driver.execute_script(
            "navigator.clipboard.writeText = async (text) => { window.copiedText = text; };")
        self.element("uslova").click()
        self.element("kopiraj").click()
        self.assertEqual(self.driver.execute_script("return window.copiedText"), START)

    @unittest.skipUnless(os.environ.get("USLOVA_CASES"), "USLOVA_CASES names the table")
    def test_the_table_of_cases(self):
        # Each option set that uslova-cli takes, chosen in the page, and each input typed.
        # The dates beside the table, with the page's choice of a date.
        with open(os.environ["USLOVA_CASES"], encoding="utf-8") as table:
            cases = [line.rstrip("\n").split("\t") + ["broj"] for line in table]
        with open(os.path.join(os.path.dirname(os.environ["USLOVA_CASES"]), "dates.tsv"),
                  encoding="utf-8") as table:
            cases += [line.rstrip("\n").split("\t") + ["datum"] for line in table]
        with open(os.path.join(os.path.dirname(os.environ["USLOVA_CASES"]), "choices.tsv"),
                  encoding="utf-8") as lines:
            for name, values in (line.rstrip("\n").split("\t") for line in lines):
                offered = [o.get_attribute("value") for o in Select(self.element(name)).options]
                # Every value the converter lists; the unit's own noun is the page's ":".
                self.assertEqual([v for v in offered if v and v != ":"], values.split(", "), name)
        self.driver.set_script_timeout(600)  # thousands of cases, each typed and settled
        wrong = self.driver.execute_async_script("""
            const [cases, done] = arguments;
            const box = document.getElementById("broj");
            // A task of its own after each input, as a timer gives, without waiting for a frame.
            const channel = new MessageChannel();
            const settle = () => new Promise((settled) => {
              channel.port1.onmessage = settled;
              channel.port2.postMessage(0);
            });
            (async () => {
              const wrong = [];
              let chosen = null; // the options of the case before, which the page still shows
              for (const [options, text, expected, kind] of cases) {
                if (expected.startsWith("?")) continue;
                if (`${kind} ${options}` !== chosen) {
                  chosen = `${kind} ${options}`;
                  for (const select of document.querySelectorAll("select")) select.selectedIndex = 0;
                  document.getElementById("vrsta").value = kind;
                  // A unit that is not among the page's is a noun of one's own, typed in its box.
                  const noun = document.getElementById("imenica");
                  noun.value = "";
                  for (const setting of options.split(" ").filter(Boolean)) {
                    const [name, value] = setting.split("=");
                    const select = document.getElementById(name);
                    const listed = [...select.options].some((o) => o.value === value);
                    select.value = listed ? value : ":";
                    if (!listed) noun.value = value;
                  }
                }
                box.value = text;
                box.dispatchEvent(new Event("input"));
                await settle();
                const words = document.getElementById("reci").textContent;
                const error = document.getElementById("greska").textContent;
                const got = error === "" ? words : "!" + error + words;
                if (got !== expected) wrong.push([options, text, got, expected]);
              }
              done(wrong);
            })();""", cases)
        self.assertEqual(wrong, [])

    def test_accessibility_and_narrow_screen(self):
        self.element("uslova").click()
        with open(AXE, encoding="utf-8") as axe:
            self.driver.execute_script(axe.read())
        violations = self.driver.execute_async_script(
            "axe.run(document).then(r => arguments[0](r.violations.map(v => v.id + ': ' + "
            "v.nodes.map(n => n.target).join(' '))))")
        self.assertEqual(violations, [])
        self.driver.set_window_size(320, 700)
        width = self.driver.execute_script(
            "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
        self.assertLessEqual(width[0], width[1])
        # A phone: after a conversion the words are in view.
        self.driver.set_window_size(360, 640)
        self.type_and_convert("999999999999999")
        bottom, height = self.driver.execute_script(
            "return [document.getElementById('reci').getBoundingClientRect().bottom, "
            "window.innerHeight]")
        self.assertLessEqual(bottom, height)
        self.driver.set_window_size(900, 800)
        self.driver.save_screenshot(SCREENSHOT)


def measure():
    """The page's size, and the time from its load event to its first words."""
    size = sum(len(gzip.compress(open(os.path.join(SITE, name), "rb").read(), 9))
               for name in os.listdir(SITE))
    driver = browser()
    times = []
    try:
        for _ in range(5):
            driver.get("file://" + os.path.abspath(os.path.join(SITE, "index.html")))
            times.append(driver.execute_async_script(
                "const done = arguments[0]; const wait = () => window.uslovaFirstWords ? "
                "done(window.uslovaFirstWords - performance.timing.loadEventEnd + "
                "performance.timing.navigationStart) : setTimeout(wait, 1); wait();"))
    finally:
        driver.quit()
    times.sort()
    print(f"web page: {size / 1000:.1f} KB gzip-compressed; first words {times[2]:.1f} ms "
          f"after the load event (median of 5, headless Chromium)")


if __name__ == "__main__":
    if "--measure" in sys.argv:
        measure()
    else:
        unittest.main(argv=[sys.argv[0], "-v"])
