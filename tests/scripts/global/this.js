// In global code `this` is the script's global object: the host's globals and the
// engine's built-ins and variables, read, called, assigned and created through it.
print(this.Object === Object, " ", this.print === print, " ", typeof this.Math.floor);
this.created = 41;
created += 1;
print(created, " ", this.created, " ", typeof this.nothingHere);
var declared = "var";
function declaredFunction() { return "called"; }
print(this.declared, " ", this.declaredFunction(), " ", this["Object"].prototype === Object.prototype);

exec("global/umd_module.inc");
print(Greeter.greet("world"), " ", Greeter.builtins);

// An unknown name stays unknown: no loop between the two global objects.
try { noSuchName; } catch (e) { print("unknown: ", e.number == -2146823279); }
print(typeof define, " ", "undefinedName" in this);

var names = {};
for (var k in this) names[k] = true;
print(names.print === true, " ", names.created === true, " ", names.Greeter === true);
delete this.created;
print(typeof created);

// Other host objects still refuse new members.
try { Script.added = 1; print("kept"); } catch (e) { print("refused"); }
