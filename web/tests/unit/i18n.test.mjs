// The page's translations as Qt's: plural forms by the language's rules,
// arguments filled in at once, the student's language chosen.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { arg, chooseLanguage, tr, translateText, useCatalogue } = await load('i18n.ts');

test('a plural form by the language, %n filled in; the source where nothing translates', () => {
  useCatalogue('de', {
    'WebPage\u0004%n second(s)': ['%n Sekunde', '%n Sekunden'],
    'TLoginForm\u0004ON': 'AN',
  });
  assert.equal(tr('WebPage', '%n second(s)', 1), '1 Sekunde');
  assert.equal(tr('WebPage', '%n second(s)', 0), '0 Sekunden');
  assert.equal(tr('WebPage', '%n second(s)', 5), '5 Sekunden');
  assert.equal(tr('Other', '%n second(s)', 2), '2 second(s)', 'another context keeps the source');
  assert.equal(translateText('Other', 'ON'), 'AN', 'a part of the page finds any context');
  useCatalogue('fr', { 'WebPage\u0004%n second(s)': ['%n seconde', '%n secondes'] });
  assert.equal(tr('WebPage', '%n second(s)', 0), '0 seconde', 'French counts 0 as one');
});

test('arguments go in at once: one holding %2 is kept as it is', () => {
  assert.equal(arg('%1 of %2', '50 %2', 7), '50 %2 of 7');
  assert.equal(arg('%2, %1, %3', 'a', 'b'), 'b, a, %3');
});

test('the stored language first, else the browser\'s first known one, else English', () => {
  assert.equal(chooseLanguage('it', ['de-DE']), 'it');
  assert.equal(chooseLanguage('xx', ['pt-BR', 'FR-ca', 'de']), 'fr');
  assert.equal(chooseLanguage(null, ['ja']), 'en');
});
