#!/usr/bin/env python3
"""The shared page in a real browser (Debian's chromium and chromedriver), at a phone's size,
against the real window: python3 browser_test.py PATH/TO/tst_mainwin"""
import os, subprocess, sys, tempfile, time
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

folder = tempfile.mkdtemp()
for name, text in (("category.lst", "Dairy".ljust(30)),
                   ("std_item.lst", "Dairy".ljust(30) + "Cream".ljust(30)),
                   ("todays.lst", "Bakery° Bread\r\nDairy° Milk\r\n")):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(text.encode("cp1252"))
window = subprocess.Popen([sys.argv[1]], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                          env=dict(os.environ, VITTLO_CHILD_DIR=folder,
                                   VITTLO_CHILD_STEPS="do MU_Share", QT_QPA_PLATFORM="offscreen"))
assert window.stdout.readline().strip() == "ready"


def ask(line):
    window.stdin.write(line + "\n")
    window.stdin.flush()
    return window.stdout.readline().strip()


def until(check, what, seconds=2.0):
    end = time.monotonic() + seconds
    while not check():
        if time.monotonic() > end:
            sys.exit("not within %s s: %s" % (seconds, what))
        time.sleep(0.05)


options = webdriver.ChromeOptions()
for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--window-size=390,844", "--user-data-dir=" + tempfile.mkdtemp()):
    options.add_argument(flag)
options.binary_location = "/usr/bin/chromium"
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    browser.get(ask("probe LocalAddress").split("|")[1])
    box = lambda item: browser.find_element(
        By.XPATH, "//label[span[@class='text' and text()='%s']]/input" % item)
    until(lambda: browser.find_elements(By.XPATH, "//span[text()='Milk']"), "the list shown")
    box("Milk").click()
    until(lambda: ask("probe TmpList") == "Bakery° Bread|+Dairy° Milk", "the tick in the window")
    ask("do click CatList 0; dclick StdList 0")
    until(lambda: browser.find_elements(By.XPATH, "//span[text()='Cream']"), "Cream on the page")
    # Offline in the shop: the tick waits on the phone, and is sent once the computer answers.
    network = dict(latency=0, download_throughput=-1, upload_throughput=-1)
    browser.set_network_conditions(offline=True, **network)
    until(lambda: "Offline" in browser.find_element(By.ID, "state").text, "offline said")
    box("Bread").click()
    time.sleep(1.5)
    assert ask("probe TmpList").startswith("Bakery° Bread|"), "sent while offline"
    browser.set_network_conditions(offline=False, **network)
    until(lambda: ask("probe TmpList").startswith("+Bakery° Bread|"), "the queued tick sent", 4)
    print("browser test passed")
finally:
    browser.quit()
    window.stdin.close()
    window.wait(10)
