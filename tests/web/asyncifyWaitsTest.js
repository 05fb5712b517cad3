// The wait analysis on a module written the way wasm-dis prints one: each kind of call that can
// lead to a wait, and the calls that cannot. An import is known by its own name or by the name
// the module gives it, either of which a build may shorten.
'use strict';

const assert = require('assert');
const { waitingFunctions, listName } = require('../../web/asyncifyWaits');

const wat = `(module
 (type $i32_=>_none (func (param i32)))
 (type $none_=>_none (func))
 (import "a" "K" (func $emscripten_sleep (param i32)))
 (import "env" "invoke_vi" (func $fimport$3 (param i32 i32)))
 (import "a" "b" (func $invoke_v (param i32)))
 (elem (i32.const 1) $sleeper $idle $quiet)
 (func $sleeper (param $0 i32)
  (call $emscripten_sleep
   (local.get $0)
  )
 )
 (func $idle (param $0 i32)
  (nop)
 )
 (func $quiet
  (nop)
 )
 (func $direct\\28\\29
  (call $sleeper
   (i32.const 5)
  )
 )
 (func $invokesTheSleeper
  (call $fimport$3
   (i32.const 1)
   (i32.const 5)
  )
 )
 (func $invokesTheIdle
  (call $fimport$3
   (i32.const 2)
   (i32.const 5)
  )
 )
 (func $invokesAnyOfItsType (param $0 i32)
  (call $fimport$3
   (local.get $0)
   (i32.const 5)
  )
 )
 (func $invokesANoArgumentOne
  (call $invoke_v
   (i32.const 3)
  )
 )
 (func $callsAnyOfItsType (param $0 i32)
  (call_indirect (type $i32_=>_none)
   (i32.const 5)
   (local.get $0)
  )
 )
 (func $callsAnyTakingNothing (param $0 i32)
  (call_indirect (type $none_=>_none)
   (local.get $0)
  )
 )
 (func $callsACaller
  (call $callsAnyOfItsType
   (i32.const 1)
  )
 )
)
`;

assert.deepStrictEqual(waitingFunctions(wat), [
  'callsACaller', 'callsAnyOfItsType', 'direct\\28\\29', 'invokesAnyOfItsType',
  'invokesTheSleeper', 'sleeper',
]);

for (const [escaped, listed] of [
  ['direct\\28\\29', 'direct()'],
  ['Audio::~Audio\\28\\29.1', 'Audio::~Audio()*1'],
  ['report\\28char\\20const*\\2c\\20...\\29\\20const', 'report(char const*, *) const'],
]) {
  assert.strictEqual(listName(escaped), listed);
}
console.log('ok - the wait analysis follows every call that can lead to a wait, and no other');
